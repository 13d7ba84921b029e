#include "tests/support/shop_chain.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "tests/support/download_tree.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRestartingCustomer = "5412345000013";

nlohmann::json DemoCustomer() {
  std::ifstream file(SKARVEL_DEMO_DATA);
  const nlohmann::json data = nlohmann::json::parse(file);
  for (const nlohmann::json& customer : data["customers"]) {
    if (customer["cus_code"] == kRestartingCustomer) return customer;
  }
  throw std::runtime_error("the demo data has no customer " + std::string(kRestartingCustomer));
}

// "549900SSSTTT0": a code of 13 digits per shop and till.
std::string Code(int shop, int number) {
  char code[32];
  std::snprintf(code, sizeof code, "549900%03d%03d0", shop % 1000, number % 1000);
  return code;
}

}  // namespace

ShopChain::ShopChain(int shops, int tills_per_shop, bool over_tls) : over_tls_(over_tls) {
  MakeDownloadTree(download_root_);
  const TestCertificates* certificates = over_tls ? &TestCertificates::Get() : nullptr;
  FtpServerOptions download_server;
  if (over_tls) download_server = {.kind = FtpServerKind::kVsftpd, .tls = certificates->Valid()};
  ftp_ = std::make_unique<FtpServerProcess>(download_root_.path(), download_server);
  nlohmann::json customers = nlohmann::json::array();
  const nlohmann::json demo = DemoCustomer();
  for (int shop = 1; shop <= shops; ++shop) {
    fixtures::MakeCentralDatabase(CentralDatabase(shop), sizes_, shop);
    for (int number = 1; number <= tills_per_shop; ++number) {
      ChainTill till;
      till.name = "shop" + std::to_string(shop) + "-till" + std::to_string(number);
      till.code = Code(shop, number);
      till.shop = shop;
      till.number = number;
      till.key = 2000 + 100 * shop + number;
      till.home = folder_.File(till.name);
      till.till_folder = till.home + "/till/";
      fs::create_directories(till.home + "/system");
      // The till has sold before: its last closing has no centralisation yet.
      db::Attachment central = OpenAsAdministrator(CentralDatabase(shop));
      central.ExecuteImmediate("insert into TICKETSCAISSE values (" + std::to_string(number) +
                               ", " + std::to_string(number) + ", " + std::to_string(10 + number) +
                               ")");
      nlohmann::json customer = demo;
      customer["CP_PKEY"] = std::to_string(till.key);
      customer["cus_code"] = till.code;
      customer["cus_name"] = "Shop " + std::to_string(shop) + ", till " + std::to_string(number);
      customer["cp_pos_nr"] = std::to_string(number);
      customer["cp_post_nr"] = std::to_string(number);
      customer["PPA_POSPATH"] = till.till_folder;
      customer["PPA_POSPATH2"] = till.till_folder;
      customer["cus_base_pos"] = "SRV1:" + CentralDatabase(shop);
      customer["CP_GENTEXT"] = "";
      customers.push_back(customer);
      till.environment = {{"HOME", till.home},
                          {"TMPDIR", till.home},
                          {"XDG_CACHE_HOME", till.home + "/cache"},
                          {"XDG_CONFIG_HOME", till.home + "/config"},
                          {"XDG_CONFIG_DIRS", till.home + "/xdg"},
                          {"XDG_DATA_HOME", till.home + "/data"},
                          {"XDG_STATE_HOME", till.home + "/state"},
                          {"SKARVEL_FIREBIRD_ROOT", till.home + "/firebird"},
                          {"SKARVEL_SYSTEMD_ROOT", till.home + "/system"},
                          {"CUPS_SERVER", till.home + "/no-cups.sock"},
                          // "localhost:" reaches the chain's database server through its root.
                          {"FIREBIRD", std::getenv("FIREBIRD")}};
      tills_.push_back(std::move(till));
    }
  }
  const std::string data = folder_.File("chain-customers.json");
  std::ofstream(data) << nlohmann::json{{"customers", customers}}.dump(1);
  service_ = std::make_unique<ReferenceServiceProcess>(
      std::vector<std::string>{data},
      over_tls ? std::optional(certificates->Valid()) : std::nullopt);
}

std::map<std::string, std::string> ShopChain::ProgramEnvironment(const ChainTill& till) const {
  std::map<std::string, std::string> environment = till.environment;
  environment["SKARVEL_FTP_PORT"] = std::to_string(ftp_->port());
  if (!over_tls_) {
    environment["SKARVEL_SERVICE_HOST"] = service_->host();
    return environment;
  }
  environment["SKARVEL_SERVICE_URL"] = service_->url();
  environment["SKARVEL_FTP_TLS"] = "required";
  environment["SKARVEL_CA_FILE"] = TestCertificates::Get().Authority();
  return environment;
}

std::string ShopChain::CentralDatabase(int shop) const {
  return folder_.File("central-shop" + std::to_string(shop) + ".fdb");
}

}  // namespace skarvel::test
