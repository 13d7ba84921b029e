#pragma once

#include <functional>
#include <string>

#include "service/cust_post.h"
#include "service/downloads.h"
#include "service/ftp_account.h"
#include "service/service_operations.h"

namespace skarvel {

// The steps of the template generation that act on the workstation.
struct TemplateTools {
  // Empties the folder and creates it again.
  std::function<bool(const std::string& folder)> prepare_folder;
  // Packs the (quoted) file list into folder + archive with the archive tool; false when no
  // archive holding the files was made.
  std::function<bool(const std::string& archive, const std::string& folder,
                     const std::string& file_list)>
      zip_files;
};

// What the till's settings file says about its receipts, read back for the service.
struct TemplateSettings {
  std::string receipt_folder;   // empty: neither BitmapPath nor the till folder exists
  std::string printer_code;     // "2" for an EPSON printer, "1" otherwise
  std::string generic_printer;  // trimmed, blanks as "%20"
  int department_flag = 0;
};

// Reads record.PPA_POSPATH + "LUMTRAK.pos" (a missing file reads as empty).
TemplateSettings ReadTemplateSettings(const cust_post& record);

// The service's "createtemplate" request for the customer; the texts are encoded where they
// would otherwise change the request's meaning.
std::string CreateTemplateUrl(const std::string& base_url, const cust_post& record,
                              const TemplateSettings& settings);

// Sends the till's receipt texts and bitmaps to the service and asks it for receipt templates:
// packs them in work_folder, uploads the archive into "pos_templates/all", sends the request.
// True exactly when the service answered "OK"; any failure gives false and no message. Without an
// archive of the receipt files nothing is uploaded and nothing asked.
bool GenerateTemplates(ServiceContext& service, DownloadContext& downloads, TemplateTools& tools,
                       const cust_post& record, const std::string& work_folder, const TfTP& account,
                       const ProgressBarSink& bar);

}  // namespace skarvel
