#include "workstation/till_settings.h"

#include <vector>

#include "platform/ansi_text.h"
#include "platform/printers.h"
#include "platform/profile_file.h"

namespace skarvel {
namespace {

constexpr const char* kShopSection = "Dorvello\\Caisse\\Magasin";
constexpr const char* kDownPaymentSection = "Dorvello\\Caisse\\Acomptes";
constexpr const char* kLoyaltySection = "Dorvello\\Caisse\\carte de fidelit\xE9";

struct Setting {
  std::string section;
  std::string key;
  std::string value;
};

std::string Flag(bool value) { return value ? "1" : "0"; }

std::vector<Setting> DefaultSettings(const std::string& till_folder) {
  std::vector<Setting> rows = {
      {kTillSection, "GridAccess", Flag(true)},
      {kTillSection, "Arrondis", Flag(false)},
      {kTillSection, "TitlesTicket", Flag(true)},
      {kTillSection, "Taskbar", Flag(true)},
      {kTillSection, "RayonFrais", ""},
      {kTillSection, "Distant Parking", ""},
      {kTillSection, "Centimes", "0"},
      {kTillSection, "Caissiere", "1"},
      {kTillSection, "AsyncPrint", Flag(true)},
      {kTillSection, "ComNumber", "1"},
      {kTillSection, "Baud", "9600"},
      {kTillSection, "BufferPrn", "1024"},
      {kTillSection, "HWFlow", Flag(false)},
      {kTillSection, "RegTicketApp", "MAJCAIS.EXE"},
      {kTillSection, "LogFile", "ERRCAISSE.LOG"},
      {kTillSection, "Editor", "WRITE.EXE"},
      {kTillSection, "Connect Timer", "30"},
      {kTillSection, "Update Time", "5"},
      {kTillSection, "ChequeFile", till_folder + "SRCHEQUE.TXT"},
      {kTillSection, "AvoirFile", till_folder + "SRAVOIR.TXT"},
      {kTillSection, "gridfontsize", "13"},
      {kTillSection, "printondemand", "1"},
      {kTillSection, "printername", "STAR"},
      {kTillSection, "bbtaccompte", "1"},
      {kTillSection, "StartFile", till_folder + "SRSTART.TXT"},
      {kTillSection, "CloseTicketFile", till_folder + "SRTICKET.TXT"},
      {kTillSection, "TicketFile", ""},
      {kTillSection, "FunctionDLL", "DVCaisse.DLL"},
      {kTillSection, "CopyAlways", "1"},
      {kTillSection, "Copy Ticket Timer", "15"},
      {kTillSection, "Debug", Flag(false)},
      {kTillSection, "InfoVisible", Flag(false)},
      {kTillSection, "NoTicket", "1"},
      {kTillSection, "NoCloture", "1"},
  };
  for (const char* key :
       {"MNOM", "MNM2", "MTEL", "MFAX", "MAD1", "MAD2", "MAD3", "MINF", "MVIL", "MPB1", "MPB2"}) {
    rows.push_back({kShopSection, key, ""});
  }
  // The floating 1.0 is written the way the design's formatting writes it.
  rows.push_back({kDownPaymentSection, "Coefficient Montant", "1"});
  rows.push_back({kDownPaymentSection,
                  "D\xE9"
                  "but Acompte Emis",
                  "28"});
  rows.push_back({kDownPaymentSection,
                  "D\xE9"
                  "but Acompte Rendu",
                  "29"});
  rows.push_back({kLoyaltySection,
                  "D\xE9"
                  "but carte",
                  "22"});
  return rows;
}

int ComNumber(const std::string& port) {
  if (port == "COM1") return 1;
  if (port == "COM2") return 2;
  return 0;
}

std::vector<Setting> CustomerSettings(const cust_post& record) {
  return {
      {kTillSection, "ComNumber", std::to_string(ComNumber(record.ppo_port))},
      {kTillSection, "printername",
       record.prt_name.find("EPSON") != std::string::npos ? "EPSON" : "STAR"},
      {kTillSection, "CompteRayons", record.cp_conv_client == "1" ? "100000" : "0"},
      // The printer's queue takes a name CUPS accepts; the till prints to that name.
      {kTillSection, "GenTextPrinter", PrinterQueueName(record.CP_GENTEXT)},
      {kTillSection, "Langlib", record.cp_lng_code == "NL" ? "dvcned.dll" : "dvcfra.dll"},
      {kTillSection, "printondemand", Flag(record.CP_PRINT_ALW == 1)},
      {kTillSection, "login", Flag(record.CP_LOG_TICKET == 1)},
      {kTillSection, "loginsimple", Flag(record.CP_LOG_SIMPLE == 1)},
      {kOfficeSection, "Printer", ""},
      {kOfficeSection, "Document", ""},
      {kOfficeSection, "Factcopy", "1"},
      {kOfficeSection, "FactPoste", "0"},
      {kOfficeSection, "Autoprint", "0"},
      {kOfficeSection, "ClientCard", std::to_string(record.CC_FIDELITYCARD)},
      {kOfficeSection, "FACTEXE", record.CP_FACT_ACTIF != 0 ? "Factpos.exe" : ""},
      {kOfficeSection, "NomServerAlias", record.CP_NOM_SERVER_ALIAS},
      // The customer-code step has already put the central database's location through the
      // server list.
      {kOfficeSection, "AliasCentrale", record.CP_BASE_CENTRALE},
      {kOfficeSection, "FactCentrale", std::to_string(record.CP_FACT_CENTRALE)},
  };
}

bool WriteAll(const std::string& path, const std::vector<Setting>& rows, std::string* why) {
  try {
    for (const Setting& row : rows) WriteProfileString(path, row.section, row.key, row.value);
    return true;
  } catch (const ProfileError& error) {
    if (why != nullptr) *why = error.what();
    return false;
  }
}

}  // namespace

std::string TillSettingsPath(const std::string& till_folder) {
  return till_folder + kTillSettingsFile;
}

bool WriteDefaultTillSettings(const std::string& till_folder, std::string* why) {
  const std::string path = TillSettingsPath(till_folder);
  EraseProfileSection(path, kTillSection);
  EraseProfileSection(path, kOfficeSection);
  return WriteAll(path, DefaultSettings(till_folder), why);
}

bool WriteCustomerTillSettings(const std::string& till_folder, const cust_post& record,
                               std::string* why) {
  return WriteAll(TillSettingsPath(till_folder), CustomerSettings(record), why);
}

void WriteTillSetting(const std::string& till_folder, const std::string& section,
                      const std::string& key, const std::string& value) {
  WriteProfileString(TillSettingsPath(till_folder), section, key, value);
}

}  // namespace skarvel
