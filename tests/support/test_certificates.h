#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace skarvel::test {

// A server's certificate and its private key, PEM files.
struct ServerCertificate {
  std::string certificate;
  std::string key;
};

// A certificate authority of the tests' own and the server certificates it signed, made with the
// openssl command in a folder of their own: one valid for 127.0.0.1 and localhost, one that
// expired, one made out for another name; and a second authority that signed none of them.
// Made once per test program, on first use; throws when openssl cannot make them.
class TestCertificates {
 public:
  static const TestCertificates& Get();

  const std::string& Authority() const { return authority_; }
  const std::string& OtherAuthority() const { return other_authority_; }
  const ServerCertificate& Valid() const { return valid_; }
  const ServerCertificate& Expired() const { return expired_; }
  const ServerCertificate& OtherName() const { return other_name_; }

 private:
  TestCertificates();
  std::string MakeAuthority(const std::string& name, const std::string& common_name) const;
  ServerCertificate Sign(const std::string& name, const std::string& common_name,
                         const std::string& alternative_names,
                         const std::vector<std::string>& validity) const;

  std::unique_ptr<TempFolder> folder_;
  std::string authority_;
  std::string other_authority_;
  ServerCertificate valid_;
  ServerCertificate expired_;
  ServerCertificate other_name_;
};

}  // namespace skarvel::test
