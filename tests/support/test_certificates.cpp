#include "tests/support/test_certificates.h"

#include <fstream>
#include <stdexcept>

#include "tests/support/child_process.h"

namespace skarvel::test {
namespace {

constexpr char kOpenssl[] = "/usr/bin/openssl";

void Openssl(const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {kOpenssl};
  command.insert(command.end(), arguments.begin(), arguments.end());
  const ProgramResult result = RunProgram(command);
  if (result.exit_code != 0) {
    throw std::runtime_error("openssl " + arguments.at(0) + " failed: " + result.err);
  }
}

// P-256 keys: quick to make, and every server here takes them.
const std::vector<std::string> kNewKey = {"-newkey", "ec", "-pkeyopt",
                                          "ec_paramgen_curve:prime256v1", "-nodes"};

// Where openssl ca keeps the signing authority's records: the folder, whatever the folder the
// tests run in.
std::string CaConfiguration(const std::string& folder) {
  return "[ca]\ndefault_ca = test_ca\n[test_ca]\ndatabase = " + folder +
         "/index.txt\nnew_certs_dir = " + folder + "\nserial = " + folder +
         "/serial\ndefault_md = sha256\npolicy = any\nunique_subject = no\n"
         "[any]\ncommonName = supplied\n";
}

}  // namespace

const TestCertificates& TestCertificates::Get() {
  static const TestCertificates certificates;
  return certificates;
}

TestCertificates::TestCertificates() : folder_(std::make_unique<TempFolder>()) {
  std::ofstream(folder_->File("ca.cnf")) << CaConfiguration(folder_->path());
  std::ofstream(folder_->File("index.txt"));
  std::ofstream(folder_->File("serial")) << "1000\n";
  authority_ = MakeAuthority("ca", "Skarvel Test CA");
  other_authority_ = MakeAuthority("other-ca", "Another Test CA");
  valid_ = Sign("valid", "127.0.0.1", "IP:127.0.0.1,DNS:localhost", {"-days", "3650"});
  expired_ = Sign("expired", "127.0.0.1", "IP:127.0.0.1,DNS:localhost",
                  {"-startdate", "20200101000000Z", "-enddate", "20200102000000Z"});
  other_name_ = Sign("other-name", "other.example", "DNS:other.example", {"-days", "3650"});
}

std::string TestCertificates::MakeAuthority(const std::string& name,
                                            const std::string& common_name) const {
  std::vector<std::string> arguments = {"req", "-x509"};
  arguments.insert(arguments.end(), kNewKey.begin(), kNewKey.end());
  arguments.insert(
      arguments.end(),
      {"-keyout", folder_->File(name + ".key"), "-out", folder_->File(name + ".pem"), "-days",
       "3650", "-subj", "/CN=" + common_name, "-addext", "basicConstraints=critical,CA:TRUE",
       "-addext", "keyUsage=critical,keyCertSign,cRLSign"});
  Openssl(arguments);
  return folder_->File(name + ".pem");
}

ServerCertificate TestCertificates::Sign(const std::string& name, const std::string& common_name,
                                         const std::string& alternative_names,
                                         const std::vector<std::string>& validity) const {
  const ServerCertificate made{folder_->File(name + ".pem"), folder_->File(name + ".key")};
  std::vector<std::string> request = {"req", "-new"};
  request.insert(request.end(), kNewKey.begin(), kNewKey.end());
  request.insert(request.end(), {"-keyout", made.key, "-out", folder_->File(name + ".csr"), "-subj",
                                 "/CN=" + common_name});
  Openssl(request);
  std::ofstream(folder_->File(name + ".ext"))
      << "basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\nsubjectAltName="
      << alternative_names << "\n";
  std::vector<std::string> sign = {"ca",
                                   "-batch",
                                   "-notext",
                                   "-config",
                                   folder_->File("ca.cnf"),
                                   "-name",
                                   "test_ca",
                                   "-cert",
                                   authority_,
                                   "-keyfile",
                                   folder_->File("ca.key"),
                                   "-in",
                                   folder_->File(name + ".csr"),
                                   "-out",
                                   made.certificate,
                                   "-extfile",
                                   folder_->File(name + ".ext")};
  sign.insert(sign.end(), validity.begin(), validity.end());
  Openssl(sign);
  return made;
}

}  // namespace skarvel::test
