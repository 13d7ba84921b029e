#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/firebird_server_process.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel::test {

// One till of the chain: a customer of its own (a copy of the demo customer whose installation
// starts with a restart, without a receipt printer), its shop, its till number and key, and the
// folders of the user who installs it (home, XDG folders, work folder, till folder).
struct ChainTill {
  std::string name;  // "shop1-till2"
  std::string code;
  int shop = 0;
  int number = 0;  // the till's number in its shop, NUM_POSTE
  int key = 0;     // CP_PKEY, the till's key in POSTES
  std::string home;
  std::string till_folder;  // ends in "/"
  // The environment of the user who installs this till (without the service's address).
  std::map<std::string, std::string> environment;
};

// A chain of shops on loopback, as a rollout meets it: one configuration service, one download
// server with the demo packages, and one Firebird server holding each shop's central database,
// which the shop's tills share. Make it before anything else in the process uses Firebird.
// over_tls: the service over HTTPS and the download server (vsftpd) requiring explicit TLS, both
// with the valid certificate of the tests' own authority (vsftpd must be able to run here).
class ShopChain {
 public:
  ShopChain(int shops, int tills_per_shop, bool over_tls = false);

  const std::vector<ChainTill>& tills() const { return tills_; }
  // Each shop's central database (1-based), seeded; its last closing for till n is 10 + n.
  std::string CentralDatabase(int shop) const;
  const fixtures::CentralSizes& sizes() const { return sizes_; }
  ReferenceServiceProcess& service() { return *service_; }
  const TempFolder& download_root() const { return download_root_; }
  int ftp_port() const { return ftp_->port(); }
  const FtpServerProcess& ftp() const { return *ftp_; }
  bool over_tls() const { return over_tls_; }
  // The till's environment with the service's and the download server's addresses: all that
  // skarvel-cli needs to install it.
  std::map<std::string, std::string> ProgramEnvironment(const ChainTill& till) const;
  // A folder for what the caller writes (inventories, logs).
  const TempFolder& folder() const { return folder_; }

 private:
  FirebirdServerProcess server_;  // first: it points this process's Firebird at its root
  TempFolder folder_;
  TempFolder download_root_;
  fixtures::CentralSizes sizes_;
  bool over_tls_;
  std::vector<ChainTill> tills_;
  std::unique_ptr<FtpServerProcess> ftp_;
  std::unique_ptr<ReferenceServiceProcess> service_;
};

}  // namespace skarvel::test
