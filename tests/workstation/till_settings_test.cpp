#include "workstation/till_settings.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/profile_file.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

// The file's keys by section, read line by line; every line must end in CR LF.
std::map<std::string, std::map<std::string, std::string>> ReadSections(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    EXPECT_FALSE(line.empty() || line.back() != '\r') << "line without CR LF: " << line;
    if (!line.empty()) line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
      sections[section];
    } else {
      const std::size_t equals = line.find('=');
      sections[section][line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  return sections;
}

class TillSettingsTest : public testing::Test {
 protected:
  std::string Value(const std::string& section, const std::string& key) {
    return ReadProfileString(TillSettingsPath(till_), section, key, "(absent)");
  }

  test::TempFolder folder_;
  std::string till_ = folder_.File("till/");
  cust_post record_;
};

TEST_F(TillSettingsTest, BothPassesFillTheSectionsWithEveryKey) {
  std::filesystem::create_directories(till_);
  record_.CP_BASE_CENTRALE = "10.1.2.3:/data/central.fdb";
  record_.CC_FIDELITYCARD = 4;
  ASSERT_TRUE(WriteDefaultTillSettings(till_));
  ASSERT_TRUE(WriteCustomerTillSettings(till_, record_));
  auto sections = ReadSections(till_ + "LUMTRAK.pos");
  EXPECT_EQ(sections["Dorvello\\Caisse"].size(), 39u);
  EXPECT_EQ(sections["Dorvello"].size(), 10u);
  EXPECT_EQ(sections["Dorvello\\Caisse\\Magasin"].size(), 11u);
  EXPECT_EQ(sections["Dorvello\\Caisse"]["ChequeFile"], till_ + "SRCHEQUE.TXT");
  EXPECT_EQ(sections["Dorvello\\Caisse"]["TicketFile"], "");
  EXPECT_EQ(sections["Dorvello\\Caisse\\Acomptes"]["Coefficient Montant"], "1");
  EXPECT_EQ(sections["Dorvello\\Caisse\\Acomptes"]["D\xE9"
                                                   "but Acompte Rendu"],
            "29");
  EXPECT_EQ(sections["Dorvello\\Caisse\\carte de fidelit\xE9"]["D\xE9"
                                                               "but carte"],
            "22");
  EXPECT_EQ(sections["Dorvello"]["AliasCentrale"], record_.CP_BASE_CENTRALE);
  EXPECT_EQ(sections["Dorvello"]["ClientCard"], "4");
  EXPECT_EQ(sections["Dorvello"]["FACTEXE"], "");
}

TEST_F(TillSettingsTest, TheDefaultsPassRemovesWhatLaterStepsWroteExceptTheClosingCopy) {
  std::filesystem::create_directories(till_);
  WriteTillSetting(till_, "Dorvello", "Poste", "3");
  WriteTillSetting(till_, "Dorvello\\Caisse", "NumCloture", "41");
  WriteTillSetting(till_, "Lumtrak", "NumCloture", "41");
  ASSERT_TRUE(WriteDefaultTillSettings(till_));
  EXPECT_EQ(Value("Dorvello", "Poste"), "(absent)");
  EXPECT_EQ(Value("Dorvello\\Caisse", "NumCloture"), "(absent)");
  EXPECT_EQ(Value("Lumtrak", "NumCloture"), "41");
}

TEST_F(TillSettingsTest, CustomerValuesFollowTheRecordExactly) {
  std::filesystem::create_directories(till_);
  const struct {
    std::string port;
    std::string com_number;
  } ports[] = {{"COM1", "1"}, {"COM2", "2"}, {"COM3", "0"}, {"com1", "0"}};
  for (const auto& port : ports) {
    record_.ppo_port = port.port;
    ASSERT_TRUE(WriteCustomerTillSettings(till_, record_));
    EXPECT_EQ(Value("Dorvello\\Caisse", "ComNumber"), port.com_number) << port.port;
  }
  for (const auto& [name, expected] : {std::pair{"TM-T88 EPSON", "EPSON"}, {"Epson", "STAR"}}) {
    record_.prt_name = name;
    ASSERT_TRUE(WriteCustomerTillSettings(till_, record_));
    EXPECT_EQ(Value("Dorvello\\Caisse", "printername"), expected) << name;
  }
  for (const auto& [code, expected] : {std::pair{"NL", "dvcned.dll"},
                                       {"nl", "dvcfra.dll"},
                                       {"FR", "dvcfra.dll"},
                                       {"", "dvcfra.dll"}}) {
    record_.cp_lng_code = code;
    ASSERT_TRUE(WriteCustomerTillSettings(till_, record_));
    EXPECT_EQ(Value("Dorvello\\Caisse", "Langlib"), expected) << code;
  }
  record_.CP_GENTEXT = "   ";
  record_.CP_PRINT_ALW = 1;
  record_.CP_FACT_ACTIF = 2;
  record_.cp_conv_client = "1";
  ASSERT_TRUE(WriteCustomerTillSettings(till_, record_));
  EXPECT_EQ(Value("Dorvello\\Caisse", "GenTextPrinter"), "");
  EXPECT_EQ(Value("Dorvello\\Caisse", "printondemand"), "1");
  EXPECT_EQ(Value("Dorvello\\Caisse", "CompteRayons"), "100000");
  EXPECT_EQ(Value("Dorvello", "FACTEXE"), "Factpos.exe");
}

TEST_F(TillSettingsTest, AMissingTillFolderFailsThePasses) {
  EXPECT_FALSE(WriteDefaultTillSettings(till_));
  EXPECT_FALSE(WriteCustomerTillSettings(till_, record_));
  EXPECT_THROW(WriteTillSetting(till_, "Dorvello", "dbf", "x"), ProfileError);
}

}  // namespace
}  // namespace skarvel
