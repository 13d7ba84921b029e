#include "database/reference_copiers.h"

#include <algorithm>

#include "platform/ansi_text.h"

namespace skarvel::db {
namespace {

using K = Kind;
using N = NullRule;

// A select that needs nothing from the central database first.
std::function<std::optional<std::string>(Transaction&)> Fixed(std::string sql) {
  return [sql = std::move(sql)](Transaction&) { return std::optional<std::string>(sql); };
}

// "INSERT INTO table" / "(" / one column a line / ")" / values_line / "(" / ":param" a line / ")".
std::string ListedInsert(const std::string& table, const std::string& values_line,
                         const std::vector<Bind>& binds) {
  std::string columns, parameters;
  for (std::size_t i = 0; i < binds.size(); ++i) {
    const char* comma = i + 1 < binds.size() ? "," : "";
    columns += binds[i].column + comma + "\n";
    parameters += ":" + binds[i].parameter + comma + "\n";
  }
  return "INSERT INTO " + table + "\n(\n" + columns + ")\n" + values_line + "\n(\n" + parameters +
         ")";
}

std::string ClientSelect(int central_version) {
  std::string sql = Lines(
      {"SELECT Num_client, ", "  Num_carteFidelite,Nbr_articles, nbr_tickets,",
       "  MTT_DIVIDENDES,MTT_ACHATS, DATE_VALIDITE, POINTS, cl.NOM_CONDITIONS,",
       "  CL.NUM_COMPTECLIENT, co.COMPTE_LISTROUGE,cl.CODE_CIVILITE,",
       "  cl.NOM_CLIENT, cl.PRN_CLIENT,cl.TEL_REC_CLIENT,cl.NOM_ORGANISATION,",
       "  cl.EMAIL_CLIENT, cl.ADR_LIVRAISON, cl.VILLE_LIVRAISON, "
       "cl.CPOST_LIVRAISON,cl.PAYS_LIVRAISON,",
       "  co.NOM_CONDITION condLiv, co.REM_CLIENT",
       "FROM client cl LEFT OUTER JOIN COMPTE co ON (cl.NUM_COMPTECLIENT=co.NUM_COMPTECLIENT)",
       "WHERE not cl.NUM_CARTEFIDELITE is null AND cl.NUM_CARTEFIDELITE <>''",
       " or (exists (select * from client_card cc where cc.num_client = cl.num_client))"});
  if (central_version > 2030500) sql += "\n and cl.actif = 1";
  return sql + "\nORDER by cl.num_modif_client";
}

// The card part of CopyClient: a row that cannot be inserted is passed over. True when every
// row was tried; false, with its message, when the cards could not be read at all.
bool CopyClientCards(CopyContext& context) {
  try {
    Transaction& central = context.module.DV_SERVER.Work();
    Transaction& till = context.module.DV_CAISSE.Work();
    OpenWork(central);
    OpenWork(till);
    // The bar runs over the result's rows, counted in the same snapshot the rows come from.
    int maximum = 1;
    {
      Statement count(central, "select count(*) from CLIENT_CARD");
      ResultSet counted = count.Open();
      if (counted.Next()) maximum = std::max(1, static_cast<int>(counted.Row().AsInteger(0)));
    }
    Statement source(central, "select * from CLIENT_CARD");
    ResultSet rows = source.Open();
    Statement insert(till,
                     "Insert into CLIENT_CARD( num_client , NUM_CARD , TCC_ROLE) values ( :num , "
                     ":card , :role)");
    const RowBinder binder(
        {ByName("NUM_CLIENT", "num", K::kInteger), ByName("NUM_CARD", "card", K::kText),
         ByName("TCC_ROLE", "role", K::kInteger)},
        rows, insert);
    context.progress.SetTableName("clientcard");
    context.progress.SetTable(0, maximum);
    int position = 0;
    while (rows.Next()) {
      ++position;
      context.progress.SetTable(std::min(position, maximum), maximum);
      try {
        binder.Fill(rows.Row(), insert.Params());
        insert.Execute();
        if (position % 5000 == 0) {
          till.Commit();
          context.pump.ProcessMessages();
        }
      } catch (const FirebirdError&) {
      }
    }
    EndTableBar(context.progress, position, maximum);
    rows.Close();
    till.Commit();
    return true;
  } catch (const std::exception& error) {
    context.module.LogError(error);
    context.notifier.ShowMessage("CLIENTCARD : Erreur " + ErrorText(error));
    return false;
  }
}

}  // namespace

Copier Devises() {
  return {
      "devises",
      "DEVISES : Erreur ",
      "SELECT count(*) from DEVISES",
      Fixed("select * from DEVISES"),
      "INSERT INTO DEVISES (CODE_DEVISE,NOM_DEVISE,COEF_OFFICIEL,COEF_MAGASIN,TOTAL) VALUES "
      "(:CODE_DEVISE,:NOM_DEVISE,:COEF_OFFICIEL,:COEF_MAGASIN,:TOT)",
      {ByName("CODE_DEVISE", "CODE_DEVISE", K::kText), ByName("NOM_DEVISE", "NOM_DEVISE", K::kText),
       ByName("COEF_OFFICIEL", "COEF_OFFICIEL", K::kDecimal),
       ByName("COEF_MAGASIN", "COEF_MAGASIN", K::kDecimal), ByName("TOTAL", "TOT", K::kDecimal)}};
}

Copier Caissieres() {
  return {"caissieres",
          "caissi\xE8res : Erreur ",
          "SELECT count(*) from CAISSIERES",
          Fixed("select * from CAISSIERES"),
          "INSERT INTO CAISSIERES (NUM_CAISSIERE,NOM_CAISSIERE,NUM_CLOTURE,MOT_DE_PASSE) VALUES "
          "(:NUM_CAISSIERE,:NOM_CAISSIERE,:NUM_CLOTURE,:MOT_DE_PASSE)",
          {ByName("NUM_CAISSIERE", "NUM_CAISSIERE", K::kInteger),
           ByName("NOM_CAISSIERE", "NOM_CAISSIERE", K::kText),
           ByName("NUM_CLOTURE", "NUM_CLOTURE", K::kInteger),
           ByName("MOT_DE_PASSE", "MOT_DE_PASSE", K::kText)}};
}

Copier ConfCaisse() {
  std::vector<Bind> binds;
  const K kinds[] = {K::kText,    K::kText,    K::kText,    K::kText,    K::kText,    K::kText,
                     K::kText,    K::kText,    K::kInteger, K::kInteger, K::kInteger, K::kInteger,
                     K::kInteger, K::kDecimal, K::kInteger, K::kInteger, K::kText,    K::kInteger,
                     K::kInteger, K::kText,    K::kInteger};
  for (int i = 0; i < 21; ++i)
    binds.push_back(ByPlace(i, kinds[i], i == 17 ? N::kKeepNull : N::kDefault));
  return {"confcaisse",
          "CONFCAISSE : Erreur ",
          "SELECT count(*) from CONFCAISSE",
          Fixed(Lines({"select CODE_CLE,CAPTION,HINT,CODE_GROUP,CODE_ACTION,",
                       "CODE_FUNC,MACRO,BITMAP,INDEX_DLL,VALEUR,",
                       "ASK_PRICE,FRAIS,CLOTURE,MONTANT,ASK_INFO,",
                       "PRINT_TICKET,DEVISE,CODE_TVA,TIROIR,",
                       "CODE_COMPTABILITE,SUPERVISOR from CONFCAISSE"})),
          Lines({"INSERT INTO CONFCAISSE (", "CODE_CLE,CAPTION,HINT,CODE_GROUP,CODE_ACTION,",
                 "CODE_FUNC,MACRO,BITMAP,INDEX_DLL,VALEUR,",
                 "ASK_PRICE,FRAIS,CLOTURE,MONTANT,ASK_INFO,",
                 "PRINT_TICKET,DEVISE,CODE_TVA,TIROIR,", "CODE_COMPTABILITE,SUPERVISOR",
                 ") VALUES (", ":cc,:capt,:hint,:cg,:ca,:cf,:macro,:bitmap,:idll,:valeur,",
                 ":askP,:frais,:clot,:mtt,:askI,:prn,:dev,:tva,:tiroir,:compta,:super", ")"}),
          binds};
}

// Rates are carried as exact decimals: a 5.5 % rate must reach the till as 5.5, not 5.
Copier Tva() {
  return {"tva",
          "TVA : Erreur ",
          "SELECT count(*) from TVA",
          Fixed("select CODE_TVA,TAUX_TVA from TVA"),
          "INSERT INTO TVA (CODE_TVA,TAUX_TVA) VALUES (:code,:taux)",
          {ByPlace(0, K::kDecimal), ByPlace(1, K::kDecimal)}};
}

Copier Rayon() {
  return {"rayon",
          "RAYON : Erreur ",
          "SELECT count(*) from Rayon",
          Fixed("select CODE_RAYON, CODE_TVA, NOM_RAYON,SIGNE_CAISSE from Rayon"),
          Lines({"INSERT INTO RAYON (CODE_RAYON, CODE_TVA, NOM_RAYON,SIGNE_CAISSE)",
                 " VALUES (:rayon,:tva,:nom,:sig)"}),
          {ByName("CODE_RAYON", "rayon", K::kInteger), ByName("CODE_TVA", "tva", K::kInteger),
           ByName("NOM_RAYON", "nom", K::kText), ByName("SIGNE_CAISSE", "sig", K::kInteger)}};
}

Copier Conditions() {
  return {"conditions",
          "CONDITIONS : Erreur ",
          "SELECT count(*) from Conditions",
          Fixed(Lines({"SELECT NOM_CONDITIONS, REM_BASE,REM_EXCEPTION,",
                       "       REM_FINANNEE, IND_REM_IMMEDIATE, ",
                       "       TICKETS_FIDELITE,ARTICLES_FIDELITE,IND_FIDELITE,TYPE_CONDITION",
                       "FROM Conditions"})),
          Lines({"INSERT INTO Conditions (NOM_CONDITIONS, REM_BASE,REM_EXCEPTION,",
                 "REM_FINANNEE, IND_REM_IMMEDIATE, TICKETS_FIDELITE,ARTICLES_FIDELITE,IND_FIDELITE,"
                 "TYPE_CONDITION)",
                 " VALUES (:nom,:remB,:remX,:rfa,:iRemI,:ticks,:arts,:fidel,:typecond)"}),
          {ByPlace(0, K::kText), ByPlace(1, K::kDecimal), ByPlace(2, K::kDecimal),
           ByPlace(3, K::kDecimal), ByPlace(4, K::kInteger), ByPlace(5, K::kInteger),
           ByPlace(6, K::kInteger), ByPlace(7, K::kInteger), ByPlace(8, K::kInteger)}};
}

Copier Remise() {
  return {"remise",
          "REMISE : Erreur ",
          "SELECT count(*) from Remise",
          Fixed("select NOM_CONDITIONS, CODE_RAYON, REM_BASE,REM_EXCEPTION, IND_REM_IMMEDIATE from "
                "Remise"),
          Lines({"INSERT INTO REMISE (NOM_CONDITIONS, CODE_RAYON, REM_BASE,REM_EXCEPTION, "
                 "IND_REM_IMMEDIATE)",
                 " VALUES (:cond,:rayon,:remB,:remX,:iRemI)"}),
          {ByPlace(0, K::kText), ByPlace(1, K::kInteger), ByPlace(2, K::kDecimal),
           ByPlace(3, K::kDecimal), ByPlace(4, K::kInteger)}};
}

Copier Client(CopyContext& context, bool& cards_copied) {
  const K kinds[] = {K::kInteger,  K::kText,    K::kInteger, K::kInteger, K::kDecimal, K::kDecimal,
                     K::kDateTime, K::kInteger, K::kText,    K::kText,    K::kText,    K::kText,
                     K::kText,     K::kText,    K::kText,    K::kText,    K::kText,    K::kText,
                     K::kText,     K::kText,    K::kText,    K::kText,    K::kDecimal};
  std::vector<Bind> binds;
  for (int i = 0; i < 23; ++i) {
    const N rule = i == 1 || i == 8 || i == 9 || i == 21 ? N::kNullWhenBlank
                   : i == 10                             ? N::kZeroTextWhenEmpty
                                                         : N::kDefault;
    binds.push_back(ByPlace(i, kinds[i], rule));
  }
  return {"client",
          "CLIENT : Erreur ",
          "SELECT count(*) from client",
          [](Transaction& central) {
            Statement version(central, "select valeur from zvtype where code_type = 'VERSI'");
            ResultSet rows = version.Open();
            const int value =
                rows.Next() ? static_cast<int>(rows.Row().AsInteger(rows.Column("valeur"))) : 0;
            return std::optional<std::string>(ClientSelect(value));
          },
          Lines({"INSERT INTO Client (Num_client, Num_carteFidelite,Nbr_articles, nbr_tickets,",
                 "  MTT_DIVIDENDES,MTT_ACHATS, DATE_VALIDITE, POINTS, NOM_CONDITIONS,",
                 "  NUM_COMPTECLIENT, COMPTE_LISTROUGE,CODE_CIVILITE,",
                 "  NOM_CLIENT, PRN_CLIENT,TEL_REC_CLIENT,NOM_ORGANISATION,",
                 "  EMAIL,ADR_LIVRAISON,VILLE_LIVRAISON, CPOST_LIVRAISON, PAYS_LIVRAISON,",
                 "  NOM_COND_LIV, REM_CLIENT)",
                 " VALUES (:num,:numcarte,:art,:tick,:div,:achat,:valid,:points,:cond,",
                 "  :compte,:listrouge,:civ,:nom,:prn,:telrec,:org,",
                 "  :email, :adr, :ville, :cpost, :pays,", "  :condLiv, :rem)"}),
          binds,
          Batch::kEvery5000,
          [&context, &cards_copied] { return cards_copied = CopyClientCards(context); }};
}

Copier ClientCard(bool cards_copied) {
  return {"clientcard",
          "CLIENTCARD : Erreur ",
          "SELECT count(*) from client_card",
          [cards_copied](Transaction& central) -> std::optional<std::string> {
            Statement exists(central,
                             "select count(*) from rdb$relations where rdb$system_flag =0 and "
                             "rdb$relation_name = 'CLIENT_CARD'");
            ResultSet rows = exists.Open();
            if (!rows.Next() || rows.Row().AsInteger(0) == 0 || cards_copied) return std::nullopt;
            return "select c.num_client, c.num_card, c.tcc_role from client_card c ";
          },
          Lines({"INSERT INTO client_card (Num_client, num_card,tcc_role)",
                 " VALUES (:numcl,:numcard,:role)"}),
          {ByPlace(0, K::kInteger), ByPlace(1, K::kText), ByPlace(2, K::kInteger)},
          Batch::kEvery5000};
}

Copier Civilite() {
  return {"civilite",
          "CIVILITE : Erreur ",
          "SELECT count(*) from CIVILITE",
          Fixed("select CODE_CIVILITE,NOM_CIVILITE from CIVILITE"),
          Lines({"INSERT INTO CIVILITE (CODE_CIVILITE,NOM_CIVILITE)", "VALUES (:code,:lib)"}),
          {ByPlace(0, K::kText), ByPlace(1, K::kText)}};
}

Copier ZvType() {
  return {
      "zvtype",
      "ZVTYPE : Erreur ",
      "SELECT count(*) from ZVTYPE",
      Fixed("select CODE_TYPE,LIBELLE_TYPE,DOMAINE, VALEUR from ZVTYPE"),
      Lines({"INSERT INTO ZVTYPE (CODE_TYPE,LIBELLE_TYPE,DOMAINE, VALEUR)",
             "VALUES (:code,:lib,:domaine,:valeur)"}),
      {ByPlace(0, K::kText), ByPlace(1, K::kText), ByPlace(2, K::kText), ByPlace(3, K::kInteger)}};
}

Copier Gestion(bool new_layout) {
  std::string select = Lines({"SELECT g.GCD_INTERNE, p.CODE_COURT, p.LIB_PRODUIT,",
                              "       g.CODE_RAYON,p.PRIX_VTE_PUB,p.PRIX_PROMOTION,",
                              "       p.DATE_DEBPROMOTION,p.DATE_FINPROMOTION,p.code_tva,",
                              "       p.REMISEADMIS,p.REMISEPCTVAL,p.REMISEMTT,p.REMISEQTE,",
                              "       p.code_typeproduit,p.GCD_FABRICANT,p.num_modification,",
                              "p.ref_fournisseur,", "p.code_seriel,", "p.multi_tva,",
                              "p.multi_tva_t0,", "p.multi_tva_t1,", "p.multi_tva_t2"});
  if (new_layout) select += "\n, p.*";
  select += "\n" + Lines({"FROM gestion g, produit p", "WHERE g.gcd_fabricant=p.gcd_fabricant",
                          "ORDER BY p.NUM_MODIFICATION"});
  std::string insert = Lines({"INSERT INTO AppelPrix",
                              "(GCD_INTERNE, CODE_COURT, LIB_PRODUIT, CODE_RAYON,PRIX_VTECLI_TTC,",
                              "PRIX_VTECLIPRO_TTC,DATE_DEBPROMOTION,DATE_FINPROMOTION,Code_TVA,",
                              "REMISEADMIS,REMISEPCTVAL,REMISEMTT,REMISEQTE,CODE_TYPEPRODUIT,",
                              "GCD_FABRICANT,REF_FOURNISSEUR,CODE_SERIEL,MULTI_TVA,MULTI_TVA_T0,",
                              "MULTI_TVA_T1,MULTI_TVA_T2"});
  if (new_layout) insert += "\n, DATE_PUBLICATION";
  insert += "\n" +
            Lines({") VALUES ", "(:gi,:cc,:lp,:cr,:pv,:pvp,:ddp,:dfp,:tva,:radm,:rpct,:rmmt,:rqte,",
                   ":typeProduit,:GCDFAB,:ref,:code,:mtva,:mtva0,:mtva1,:mtva2"});
  if (new_layout) insert += "\n, :DATE_PUBLICATION";
  insert += "\n)";
  const K kinds[] = {K::kText,    K::kText,     K::kText,     K::kInteger, K::kDecimal,
                     K::kDecimal, K::kDateTime, K::kDateTime, K::kDecimal, K::kInteger,
                     K::kInteger, K::kDecimal,  K::kInteger,  K::kInteger, K::kText};
  std::vector<Bind> binds;
  for (int i = 0; i < 15; ++i) binds.push_back(ByPlace(i, kinds[i]));
  binds.push_back(ByName("ref_fournisseur", "ref", K::kText));
  binds.push_back(ByName("code_seriel", "code", K::kText));
  binds.push_back(ByName("multi_tva", "mtva", K::kText));
  binds.push_back(ByName("multi_tva_t0", "mtva0", K::kDecimal));
  binds.push_back(ByName("multi_tva_t1", "mtva1", K::kDecimal));
  binds.push_back(ByName("multi_tva_t2", "mtva2", K::kDecimal));
  if (new_layout) {
    // An older central layout has no such column: the parameter then stays NULL.
    binds.push_back(
        ByNameWhenPresent("DATE_PUBLICATION", "DATE_PUBLICATION", K::kDateTime, N::kKeepNull));
  }
  return {"gestion", "APPELPRIX : Erreur ", "SELECT count(*) from gestion", Fixed(select), insert,
          binds,     Batch::kAbove5000};
}

Copier ProduitsLies() {
  const std::vector<Bind> binds = {ByName("PRODL_PKEY", "PRODLPKEY", K::kInteger),
                                   ByName("GCD_PRODUIT", "GCDPRODUIT", K::kText),
                                   ByName("GCD_FABRICANT", "GCDFABRICANT", K::kText),
                                   ByName("FOURLIB", "FOURLIB", K::kText),
                                   ByName("FOURREF", "FOURREF", K::kText),
                                   ByName("ETAT", "ETAT", K::kInteger),
                                   ByName("ORDRE", "ORDRE", K::kInteger),
                                   ByName("COLISAGE", "COLISAGE", K::kInteger),
                                   ByName("EMBALLAGE", "EMBALLAGE", K::kText),
                                   ByName("DISPO", "DISPO", K::kText),
                                   ByName("INFO", "INFO", K::kText),
                                   ByName("DATEDEB", "DATEDEB", K::kDate),
                                   ByName("DATEFIN", "DATEFIN", K::kDate),
                                   ByName("QTFROM", "QTFROM", K::kInteger),
                                   ByName("QTTO", "QTTO", K::kInteger),
                                   ByName("PRIX_ACHAT_HT", "PRIXACHATHT", K::kDecimal),
                                   ByName("REMISE", "REMISE", K::kDecimal),
                                   ByName("CATALOG", "CATALOG", K::kText),
                                   ByName("NUM_MODIF", "NUMMODIF", K::kInteger),
                                   ByName("DATE_CREAT", "DATECREAT", K::kDate),
                                   ByName("DATE_MODIF", "DATEMODIF", K::kDate)};
  return {"produitlies",
          "PRODUITSLIES : Erreur ",
          "SELECT count(*) from PRODUITSLIES",
          Fixed(Lines({"SELECT * from PRODUITSLIES P", "ORDER BY P.NUM_MODIF"})),
          ListedInsert("PRODUITSLIES", "VALUES", binds),
          binds,
          Batch::kAbove5000};
}

Copier ApPromo() {
  const std::vector<Bind> binds = {ByName("APROMO_PKEY", "APROMOPKEY", K::kInteger),
                                   ByName("GCD_INTERNE_APP", "GCDINTERNEAPP", K::kText),
                                   ByName("GCD_FABRICANT_APP", "GCDFABRICANTAPP", K::kText),
                                   ByName("LIB_PRODUIT_APP", "LIBPRODUITAPP", K::kText),
                                   ByName("PRIX_UNIT_APP", "PRIXUNITAPP", K::kDecimal),
                                   ByName("DATE_FROM_APP", "DATEFROMAPP", K::kDate),
                                   ByName("DATE_TO_APP", "DATETOAPP", K::kDate),
                                   ByName("QTE_MIN_APP", "QTEMINAPP", K::kInteger),
                                   ByName("QTE_MAX_APP", "QTEMAXAPP", K::kInteger),
                                   ByName("NUM_MODIF_APP", "NUMMODIFAPP", K::kInteger),
                                   ByName("TYPE_CLIENT_APP", "TYPECLIENTAPP", K::kText)};
  return {"appromo",
          "APPROMO : Erreur ",
          "SELECT count(*) from APPROMO",
          Fixed(Lines({"SELECT * from APPROMO A", "ORDER BY A.NUM_MODIF_APP"})),
          ListedInsert("APPROMO", "VALUES ", binds),
          binds,
          Batch::kAbove5000};
}

}  // namespace skarvel::db
