#pragma once

#include "database/copier.h"

namespace skarvel::db {

// The fourteen reference tables' copiers, in the copy's order. Each names its memo label, its
// error label, its count, select and insert, and how every value travels.
Copier Devises();
Copier Caissieres();
Copier ConfCaisse();
Copier Tva();
Copier Rayon();
Copier Conditions();
Copier Remise();
// The customers, then the cards (a row that cannot be inserted is passed over); cards_copied
// says afterwards whether the cards arrived.
Copier Client(CopyContext& context, bool& cards_copied);
// The cards reach the till once: when the customers' copier took them, it only counts.
Copier ClientCard(bool cards_copied);
Copier Civilite();
Copier ZvType();
// The price lookup from the stock and product tables; the new layout adds DATE_PUBLICATION,
// bound only where the central product table has that column.
Copier Gestion(bool new_layout);
Copier ProduitsLies();
Copier ApPromo();

}  // namespace skarvel::db
