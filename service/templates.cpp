#include "service/templates.h"

#include <exception>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/profile_file.h"
#include "service/url_text.h"

namespace skarvel {
namespace {

constexpr const char* kSection = "Dorvello\\Caisse";
constexpr const char* kRemoteFolder = "pos_templates/all";

std::string ReplaceAll(std::string text, char from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, 1, to);
    at += to.size();
  }
  return text;
}

// A key that is absent reads as this marker, which no settings file holds.
constexpr const char* kAbsent = "\x01";

}  // namespace

TemplateSettings ReadTemplateSettings(const cust_post& record) {
  const std::string path = record.PPA_POSPATH + "LUMTRAK.pos";
  const auto read = [&path](const char* key) {
    return ReadProfileString(path, kSection, key, kAbsent);
  };
  TemplateSettings settings;
  const std::string bitmaps = read("BitmapPath");
  if (bitmaps != kAbsent) {
    settings.receipt_folder = WithTrailingSeparator(bitmaps);
  } else if (FolderExists(record.PPA_POSPATH)) {
    settings.receipt_folder = WithTrailingSeparator(record.PPA_POSPATH);
  }
  settings.printer_code = read("PRINTERNAME") == "EPSON" ? "2" : "1";
  const std::string generic = read("GenTextPrinter");
  // Blanks become "%20" as the design writes them; the other characters that would change the
  // request's meaning are encoded too.
  settings.generic_printer = generic == kAbsent ? "" : QueryValue(Trim(generic));
  const std::string departments = read("CompteRayons");
  settings.department_flag = departments != kAbsent && StrToIntDef(departments, 0) > 0 ? 1 : 0;
  return settings;
}

std::string CreateTemplateUrl(const std::string& base_url, const cust_post& record,
                              const TemplateSettings& settings) {
  const std::string info = ReplaceAll("TXT_POS_" + Trim(record.cus_name), ' ', "_");
  return base_url + "/createtemplate?cust=" + QueryValue(record.CP_PKEY) +
         "&FNAME=" + QueryValue(record.CustomerCode + ".zip") +
         "&LNG=" + QueryValue(record.cp_lng_code) + "&PRNT=" + settings.printer_code +
         "&INFO=" + QueryValue(info) +
         "&PATH=ALL&CPTRAYON=" + std::to_string(settings.department_flag) +
         "&GPRINTER=" + settings.generic_printer;
}

bool GenerateTemplates(ServiceContext& service, DownloadContext& downloads, TemplateTools& tools,
                       const cust_post& record, const std::string& work_folder, const TfTP& account,
                       const ProgressBarSink& bar) {
  try {
    const TemplateSettings settings = ReadTemplateSettings(record);
    if (settings.receipt_folder.empty()) return false;
    tools.prepare_folder(work_folder);
    DownloadFolder(downloads, "zip", work_folder, account, bar);
    const std::string archive = record.CustomerCode + ".zip";
    const std::string masks =
        "\"" + settings.receipt_folder + "*.txt*\" \"" + settings.receipt_folder + "*.bmp*\"";
    if (!tools.zip_files(archive, work_folder, masks)) return false;
    if (!UploadFile(downloads, kRemoteFolder, work_folder, archive, account)) return false;
    return UpdateStatus(service, CreateTemplateUrl(service.ServiceBaseUrl, record, settings)) ==
           "OK";
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace skarvel
