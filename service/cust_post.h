#pragma once

#include <string>

#include "service/memory_dataset.h"

namespace skarvel {

// The customer installation record: everything the service says about the till to install. Each
// field bears the name of the answer column it is filled from (CustomerCode: column "cus_code").
struct cust_post {
  std::string CP_PKEY;
  std::string CustomerCode;
  std::string cp_pv_code;
  std::string cp_pos_nr;
  std::string cp_post_nr;
  std::string cp_prt_pkey;
  std::string cp_pt_pkey;
  std::string cp_ppo_pkey;
  std::string cp_ps_code;
  std::string cp_lng_code;
  std::string cp_cus_id;
  std::string cp_ppa_pkey;
  std::string cp_conv_client;
  std::string cus_name;
  std::string cus_base_dv;
  std::string cus_base_lk;
  std::string cus_base_pos;
  std::string ppo_port;
  std::string ps_name;
  std::string psl_name;
  std::string psl_info;
  std::string lng_name;
  std::string pt_lng_code;
  std::string pt_display;
  std::string pt_path;
  std::string pt_filename;
  std::string pt_info;
  std::string pt_default;
  std::string prt_name;
  std::string pv_name;
  std::string pv_info;
  std::string pv_path;
  std::string pv_filename;
  std::string pv_default;
  std::string pv_test;
  std::string PPA_POSPATH;
  std::string PPA_POSPATH2;
  std::string PPA_POSDB;
  std::string CP_INST_FB;
  std::string CP_VERS_FB;
  std::string CP_NEEDCONF;
  std::string CP_GENTEXT;
  int CP_PRINT_ALW = 0;
  int CP_LOG_TICKET = 0;
  int CP_LOG_SIMPLE = 0;
  std::string CP_NOM_SERVER_ALIAS;
  std::string CP_BASE_CENTRALE;
  int CP_FACT_CENTRALE = 0;
  int CP_FACT_ACTIF = 0;
  bool CP_FTPPASSIF = false;
  int CC_FIDELITYCARD = 0;
};

// Empties the text fields from CP_PKEY through PPA_POSDB. The later fields keep their values
// until the next successful lookup overwrites them.
void ClearCustPost(cust_post& record);

// Fills the record from the table's current row, column by column in the record's order (with
// cp_ppa_pkey read after pv_test). cp_lng_code is trimmed; the whole-number fields take their
// default (CP_PRINT_ALW 1, the others 0) when the text is not a whole number; CP_FTPPASSIF is
// read as an integer and true exactly when it is 1. Throws DataSetError for a missing column or a
// CP_FTPPASSIF that is not a whole number; the fields read before it keep their new values.
void FillCustPost(TMemoryDataSet& table, cust_post& record);

}  // namespace skarvel
