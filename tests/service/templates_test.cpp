#include "service/templates.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/profile_file.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"
#include "workstation/process_control.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class TemplateSettingsTest : public testing::Test {
 protected:
  TemplateSettingsTest() {
    record_.PPA_POSPATH = folder_.File("till/");
    fs::create_directories(record_.PPA_POSPATH);
  }
  void Set(const std::string& key, const std::string& value) {
    WriteProfileString(record_.PPA_POSPATH + "LUMTRAK.pos", "Dorvello\\Caisse", key, value);
  }

  test::TempFolder folder_;
  cust_post record_;
};

TEST_F(TemplateSettingsTest, PrinterCodeAndDepartmentFlagFollowTheSettingsFile) {
  TemplateSettings settings = ReadTemplateSettings(record_);
  EXPECT_EQ(settings.printer_code, "1");
  EXPECT_EQ(settings.department_flag, 0);
  EXPECT_EQ(settings.receipt_folder, record_.PPA_POSPATH) << "no BitmapPath: the till folder";
  for (const auto& [name, code] :
       {std::pair{"EPSON", "2"}, {"Epson", "1"}, {"EPSON TM-T88", "1"}, {"STAR", "1"}}) {
    Set("PRINTERNAME", name);
    EXPECT_EQ(ReadTemplateSettings(record_).printer_code, code) << name;
  }
  for (const auto& [count, flag] : {std::pair{"0", 0}, {"-4", 0}, {"12", 1}, {"many", 0}}) {
    Set("CompteRayons", count);
    EXPECT_EQ(ReadTemplateSettings(record_).department_flag, flag) << count;
  }
  Set("BitmapPath", "/srv/receipts");
  EXPECT_EQ(ReadTemplateSettings(record_).receipt_folder, "/srv/receipts/");
}

TEST_F(TemplateSettingsTest, TheRequestCarriesTheNamesWithBlanksReplaced) {
  Set("GenTextPrinter", "  Generic Text 1 ");
  record_.CP_PKEY = "1001";
  record_.CustomerCode = "5412345000013";
  record_.cp_lng_code = "NL";
  record_.cus_name = " Bakkerij  De Molen ";
  EXPECT_EQ(CreateTemplateUrl("http://h/skv/skv.dll", record_, ReadTemplateSettings(record_)),
            "http://h/skv/skv.dll/createtemplate?cust=1001&FNAME=5412345000013.zip&LNG=NL"
            "&PRNT=1&INFO=TXT_POS_Bakkerij__De_Molen&PATH=ALL&CPTRAYON=0"
            "&GPRINTER=Generic%20Text%201");
  // A name cannot add parameters of its own.
  record_.cus_name = "Dupont & Fils";
  EXPECT_NE(CreateTemplateUrl("u", record_, ReadTemplateSettings(record_))
                .find("INFO=TXT_POS_Dupont_%26_Fils&"),
            std::string::npos);
}

// The whole procedure against the reference service and the test download server.
class GenerateTemplatesTest : public testing::Test {
 protected:
  GenerateTemplatesTest() {
    Write(remote_.File("zip/7za.exe"), "tool");
    fs::create_directories(remote_.File("pos_templates/all"));
    record_.CP_PKEY = "1001";
    record_.CustomerCode = "5412345000013";
    record_.cp_lng_code = "NL";
    record_.cus_name = "Bakkerij De Molen";
    record_.PPA_POSPATH = local_.File("till/");
  }

  bool Generate() {
    return GenerateTemplates(service_context_, downloads_, tools_, record_, local_.File("work/"),
                             ftp_.Account(), nullptr);
  }

  test::TempFolder remote_;
  test::TempFolder local_;
  test::ReferenceServiceProcess service_;
  test::FtpServerProcess ftp_{remote_.path()};
  test::CountingPump pump_;
  test::RecordingNotifier notifier_;
  ServiceContext service_context_{service_.base_url(), pump_, notifier_};
  DownloadContext downloads_{pump_, nullptr};
  LinuxChildPrograms programs_;
  ProcFsProcessTable processes_;
  ProcessControl control_{programs_, processes_, pump_, [](const std::string&) {}};
  TemplateTools tools_{
      [](const std::string& folder) {
        fs::remove_all(folder);
        return fs::create_directories(folder);
      },
      [this](const std::string& archive, const std::string& folder, const std::string& list) {
        return control_.ZipFiles(archive, folder, list, folder);
      }};
  cust_post record_;
};

TEST_F(GenerateTemplatesTest, UploadsTheReceiptFilesAndAsksForTemplates) {
  Write(record_.PPA_POSPATH + "receipts/head.txt", "head");
  Write(record_.PPA_POSPATH + "receipts/logo.bmp", "BM");
  WriteProfileString(record_.PPA_POSPATH + "LUMTRAK.pos", "Dorvello\\Caisse", "BitmapPath",
                     record_.PPA_POSPATH + "receipts");
  WriteProfileString(record_.PPA_POSPATH + "LUMTRAK.pos", "Dorvello\\Caisse", "PRINTERNAME",
                     "EPSON");
  ASSERT_TRUE(Generate());
  const std::string uploaded = remote_.File("pos_templates/all/5412345000013.zip");
  ASSERT_TRUE(fs::exists(uploaded));
  const auto listing = test::RunProgram({"/usr/bin/7za", "l", uploaded});
  EXPECT_NE(listing.out.find("head.txt"), std::string::npos) << listing.out;
  EXPECT_NE(listing.out.find("logo.bmp"), std::string::npos) << listing.out;
  EXPECT_TRUE(fs::exists(local_.File("work/7za.exe"))) << "the zip folder was fetched";
  const auto requests = service_.Requests("createtemplate");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests.front()["params"]["cust"], "1001");
  EXPECT_EQ(requests.front()["params"]["PRNT"], "2");
  EXPECT_EQ(requests.front()["params"]["INFO"], "TXT_POS_Bakkerij_De_Molen");
}

TEST_F(GenerateTemplatesTest, FailsWhenTheServiceDoesNotAnswerOk) {
  Write(record_.PPA_POSPATH + "ticket.txt", "ticket");
  service_.Fault("createtemplate", "error");
  EXPECT_FALSE(Generate());
  EXPECT_EQ(service_.Requests("createtemplate").size(), 1u);
}

TEST_F(GenerateTemplatesTest, WithoutReceiptFolderNothingIsSent) {
  EXPECT_FALSE(Generate());
  EXPECT_TRUE(service_.Requests("createtemplate").empty());
  EXPECT_FALSE(fs::exists(local_.File("work"))) << "nothing was prepared";
}

TEST_F(GenerateTemplatesTest, AFailedUploadSendsNoRequest) {
  Write(record_.PPA_POSPATH + "ticket.txt", "ticket");
  fs::remove_all(remote_.File("pos_templates"));
  EXPECT_FALSE(Generate());
  EXPECT_TRUE(service_.Requests("createtemplate").empty());
}

// The receipt masks match names in any case, as on the tills' original platform; a folder with
// no receipt file at all makes no archive, so nothing is uploaded and nothing asked.
TEST_F(GenerateTemplatesTest, ReceiptFilesInAnyCaseArePackedAndNoneAreNoTemplates) {
  const std::string archive = remote_.File("pos_templates/all/5412345000013.zip");
  fs::create_directories(record_.PPA_POSPATH);
  Write(record_.PPA_POSPATH + "notes.doc", "not a receipt");
  EXPECT_FALSE(Generate());
  EXPECT_FALSE(fs::exists(archive));
  EXPECT_TRUE(service_.Requests("createtemplate").empty());

  for (const char* name : {"SRTICKET.TXT", "LOGO.BMP", "head.txt", "Pied.Txt"}) {
    Write(record_.PPA_POSPATH + name, name);
  }
  ASSERT_TRUE(Generate());
  const auto listing = test::RunProgram({"/usr/bin/7za", "l", archive});
  for (const char* name : {"SRTICKET.TXT", "LOGO.BMP", "head.txt", "Pied.Txt"}) {
    EXPECT_NE(listing.out.find(name), std::string::npos) << name << "\n" << listing.out;
  }
  EXPECT_EQ(listing.out.find("notes.doc"), std::string::npos);
  EXPECT_EQ(service_.Requests("createtemplate").size(), 1u);
}

}  // namespace
}  // namespace skarvel
