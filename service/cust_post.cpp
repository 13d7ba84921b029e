#include "service/cust_post.h"

#include <string_view>

#include "platform/ansi_text.h"

namespace skarvel {
namespace {

enum class ColumnKind { kText, kTrimmedText, kWholeNumber, kPassiveFlag };

struct RecordColumn {
  std::string_view name;
  ColumnKind kind;
  std::string cust_post::*text = nullptr;
  int cust_post::*number = nullptr;
  int fallback = 0;
};

constexpr RecordColumn Text(std::string_view name, std::string cust_post::*field) {
  return {name, ColumnKind::kText, field};
}
constexpr RecordColumn Number(std::string_view name, int cust_post::*field, int fallback) {
  return {name, ColumnKind::kWholeNumber, nullptr, field, fallback};
}

// The reading order of the lookup. ClearCustPost empties the text fields up to CP_INST_FB.
const RecordColumn kColumns[] = {
    Text("CP_PKEY", &cust_post::CP_PKEY),
    Text("cus_code", &cust_post::CustomerCode),
    Text("cp_pv_code", &cust_post::cp_pv_code),
    Text("cp_pos_nr", &cust_post::cp_pos_nr),
    Text("cp_post_nr", &cust_post::cp_post_nr),
    Text("cp_prt_pkey", &cust_post::cp_prt_pkey),
    Text("cp_pt_pkey", &cust_post::cp_pt_pkey),
    Text("cp_ppo_pkey", &cust_post::cp_ppo_pkey),
    Text("cp_ps_code", &cust_post::cp_ps_code),
    {"cp_lng_code", ColumnKind::kTrimmedText, &cust_post::cp_lng_code},
    Text("cp_cus_id", &cust_post::cp_cus_id),
    Text("cp_conv_client", &cust_post::cp_conv_client),
    Text("cus_name", &cust_post::cus_name),
    Text("cus_base_dv", &cust_post::cus_base_dv),
    Text("cus_base_lk", &cust_post::cus_base_lk),
    Text("cus_base_pos", &cust_post::cus_base_pos),
    Text("ppo_port", &cust_post::ppo_port),
    Text("ps_name", &cust_post::ps_name),
    Text("psl_name", &cust_post::psl_name),
    Text("psl_info", &cust_post::psl_info),
    Text("lng_name", &cust_post::lng_name),
    Text("pt_lng_code", &cust_post::pt_lng_code),
    Text("pt_display", &cust_post::pt_display),
    Text("pt_path", &cust_post::pt_path),
    Text("pt_filename", &cust_post::pt_filename),
    Text("pt_info", &cust_post::pt_info),
    Text("pt_default", &cust_post::pt_default),
    Text("prt_name", &cust_post::prt_name),
    Text("pv_name", &cust_post::pv_name),
    Text("pv_info", &cust_post::pv_info),
    Text("pv_path", &cust_post::pv_path),
    Text("pv_filename", &cust_post::pv_filename),
    Text("pv_default", &cust_post::pv_default),
    Text("pv_test", &cust_post::pv_test),
    Text("cp_ppa_pkey", &cust_post::cp_ppa_pkey),
    Text("PPA_POSPATH", &cust_post::PPA_POSPATH),
    Text("PPA_POSPATH2", &cust_post::PPA_POSPATH2),
    Text("PPA_POSDB", &cust_post::PPA_POSDB),
    Text("CP_INST_FB", &cust_post::CP_INST_FB),
    Text("CP_VERS_FB", &cust_post::CP_VERS_FB),
    Text("CP_NEEDCONF", &cust_post::CP_NEEDCONF),
    Text("CP_GENTEXT", &cust_post::CP_GENTEXT),
    Number("CP_PRINT_ALW", &cust_post::CP_PRINT_ALW, 1),
    Number("CP_LOG_TICKET", &cust_post::CP_LOG_TICKET, 0),
    Number("CP_LOG_SIMPLE", &cust_post::CP_LOG_SIMPLE, 0),
    Text("CP_NOM_SERVER_ALIAS", &cust_post::CP_NOM_SERVER_ALIAS),
    Text("CP_BASE_CENTRALE", &cust_post::CP_BASE_CENTRALE),
    Number("CP_FACT_CENTRALE", &cust_post::CP_FACT_CENTRALE, 0),
    Number("CP_FACT_ACTIF", &cust_post::CP_FACT_ACTIF, 0),
    {"CP_FTPPASSIF", ColumnKind::kPassiveFlag},
    Number("CC_FIDELITYCARD", &cust_post::CC_FIDELITYCARD, 0),
};

}  // namespace

void ClearCustPost(cust_post& record) {
  for (const RecordColumn& column : kColumns) {
    if (column.name == "CP_INST_FB") break;
    (record.*column.text).clear();
  }
}

void FillCustPost(TMemoryDataSet& table, cust_post& record) {
  for (const RecordColumn& column : kColumns) {
    TMemoryDataSet::Field field = table.FieldByName(column.name);
    switch (column.kind) {
      case ColumnKind::kText:
        record.*column.text = field.AsString();
        break;
      case ColumnKind::kTrimmedText:
        record.*column.text = Trim(field.AsString());
        break;
      case ColumnKind::kWholeNumber:
        record.*column.number = StrToIntDef(field.AsString(), column.fallback);
        break;
      case ColumnKind::kPassiveFlag:
        record.CP_FTPPASSIF = field.AsInteger() == 1;
        break;
    }
  }
}

}  // namespace skarvel
