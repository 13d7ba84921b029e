#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace skarvel::test {

// A system of the test's own for the administrator's part: a private mount and process
// namespace with a system D-Bus and polkitd of its own, the package's polkit action (naming the
// helper of this build) and the rules the test gives, empty systemd unit folders and an empty
// /opt, the test's printing system and a journal socket the test reads (polkit_sandbox.sh). The
// machine's own bus, polkit, services and journal are neither used nor changed; everything
// started inside ends with the command.
class PolkitSandbox {
 public:
  // rules: the text of a polkit rules file. With package_actions, polkit reads the actions of
  // the system (and of a package installed inside), not the one of this build.
  explicit PolkitSandbox(const std::string& rules, bool package_actions = false);
  ~PolkitSandbox();
  PolkitSandbox(const PolkitSandbox&) = delete;
  PolkitSandbox& operator=(const PolkitSandbox&) = delete;

  // Why the sandbox cannot be made here (not root, a program missing); empty when it can.
  static std::string Unavailable();
  // The package's example rules, naming group instead of its own.
  static std::string PackageRulesFor(const std::string& group);

  // The printing system at socket is the one of the sandbox's root (the helper's).
  void UsePrinting(const std::string& socket);
  // The folder is mounted read-only inside.
  void MakeReadOnly(const std::string& folder);
  // What is changed inside the folder (an absolute path) stays inside: OverlayChanges gives
  // the folder where the changes land, as the folder's own tree.
  void Overlay(const std::string& folder);
  std::string OverlayChanges(const std::string& folder) const;
  // The network inside is a loopback of its own: a server started inside may take its standard
  // port whatever the machine runs, and nothing inside reaches the test's servers outside.
  void IsolateNetwork();
  // The rules folder polkit reads inside.
  std::string RulesFolder() const { return folder_.File("rules.d"); }
  // argv run inside (as root; AsAccount runs it as another account).
  std::vector<std::string> Command(const std::vector<std::string>& argv) const;
  // What the programs inside wrote to the system's journal so far: each entry's fields.
  std::vector<std::map<std::string, std::string>> JournalEntries();

 private:
  TempFolder folder_;
  int journal_ = -1;
};

}  // namespace skarvel::test
