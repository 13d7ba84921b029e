#include "platform/file_access.h"

#include <acl/libacl.h>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

struct AclFree {
  void operator()(void* acl) const { acl_free(acl); }
};
using Acl = std::unique_ptr<std::remove_pointer_t<acl_t>, AclFree>;

unsigned PermissionsOf(acl_entry_t entry) {
  acl_permset_t permset = nullptr;
  if (acl_get_permset(entry, &permset) != 0) return 0;
  unsigned permissions = 0;
  if (acl_get_perm(permset, ACL_READ) == 1) permissions |= kRead;
  if (acl_get_perm(permset, ACL_WRITE) == 1) permissions |= kWrite;
  if (acl_get_perm(permset, ACL_EXECUTE) == 1) permissions |= kSearch;
  return permissions;
}

unsigned QualifierOf(acl_entry_t entry) {
  void* qualifier = acl_get_qualifier(entry);
  if (qualifier == nullptr) return static_cast<unsigned>(-1);
  const unsigned id = *static_cast<unsigned*>(qualifier);
  acl_free(qualifier);
  return id;
}

bool InGroup(const SystemAccount& account, unsigned gid) {
  for (const unsigned group : account.groups) {
    if (group == gid) return true;
  }
  return account.gid == gid;
}

// The access check of POSIX access control lists: the owner's entry, else a named user's (within
// the mask), else any matching group's (within the mask), else the others'.
bool Permits(const SystemAccount& account, const struct stat& info, acl_t acl, unsigned wanted) {
  unsigned owner = (info.st_mode >> 6) & 7, others = info.st_mode & 7, mask = 7;
  std::optional<unsigned> named_user;
  // The owning group's entry first, then the named groups the account belongs to.
  std::vector<unsigned> groups;
  if (InGroup(account, info.st_gid)) groups.push_back((info.st_mode >> 3) & 7);
  acl_entry_t entry = nullptr;
  for (int id = ACL_FIRST_ENTRY; acl != nullptr && acl_get_entry(acl, id, &entry) == 1;
       id = ACL_NEXT_ENTRY) {
    acl_tag_t tag = ACL_UNDEFINED_TAG;
    acl_get_tag_type(entry, &tag);
    const unsigned permissions = PermissionsOf(entry);
    if (tag == ACL_USER_OBJ) owner = permissions;
    if (tag == ACL_OTHER) others = permissions;
    if (tag == ACL_MASK) mask = permissions;
    if (tag == ACL_USER && QualifierOf(entry) == account.uid) named_user = permissions;
    if (tag == ACL_GROUP_OBJ && InGroup(account, info.st_gid)) groups.front() = permissions;
    if (tag == ACL_GROUP && InGroup(account, QualifierOf(entry))) groups.push_back(permissions);
  }
  if (account.uid == info.st_uid) return (owner & wanted) == wanted;
  if (named_user) return (*named_user & mask & wanted) == wanted;
  if (!groups.empty()) {
    for (const unsigned permissions : groups) {
      if ((permissions & mask & wanted) == wanted) return true;
    }
    return false;
  }
  return (others & wanted) == wanted;
}

// The folders a program passes to reach path: every folder above it as written, and every
// folder above where its links lead.
std::vector<std::string> FoldersAbove(const std::string& path) {
  std::vector<std::string> folders;
  const auto add_prefixes = [&folders](const std::string& text) {
    for (std::size_t slash = text.find('/'); slash != std::string::npos;
         slash = text.find('/', slash + 1)) {
      const std::string folder = RealPath(text.substr(0, slash == 0 ? 1 : slash));
      bool known = false;
      for (const std::string& seen : folders) known = known || seen == folder;
      if (!known) folders.push_back(folder);
    }
  };
  add_prefixes(path);
  add_prefixes(RealPath(path));
  return folders;
}

// The path as a shell reads it back: within single quotes, each quote closed, escaped, reopened.
std::string Quoted(const std::string& path) {
  if (path.find_first_of(" '\"$\\`;&|<>()*?[]#~") == std::string::npos) return path;
  std::string quoted = "'";
  for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Why an entry cannot be given, one sentence per entry: another owns the path (%1 the path, %2
// its owner, %3 the account, %4 the path as the shell reads it), or its file system keeps no
// lists (%1 the path, %2 the system's words, %3 the account).
struct EntryRefusals {
  const char* owned_by_another;
  const char* no_lists;
};
constexpr EntryRefusals kPassRefusals{
    SKARVEL_TEXT("System",
                 "%1 belongs to %2, so this user cannot let %3 pass it; an "
                 "administrator runs: setfacl -m u:%3:x %4"),
    SKARVEL_TEXT("System",
                 "the file system of %1 keeps no access lists (%2), so %3 cannot be let "
                 "pass it: put the till database on a file system that keeps them "
                 "(ext4, xfs, tmpfs), or let %3 own it")};
constexpr EntryRefusals kReadWriteRefusals{
    SKARVEL_TEXT("System",
                 "%1 belongs to %2, so this user cannot let %3 read and write it; an "
                 "administrator runs: setfacl -m u:%3:rw %4"),
    SKARVEL_TEXT("System",
                 "the file system of %1 keeps no access lists (%2), so %3 cannot be let "
                 "read and write it: put the till database on a file system that keeps "
                 "them (ext4, xfs, tmpfs), or let %3 own it")};

// Why this user cannot give the entry to path, with the administrator's command; empty when it
// can.
std::string WhyNotChangeable(const std::string& path, const SystemAccount& account,
                             const EntryRefusals& refusals) {
  struct stat info {};
  if (::stat(Utf8FromAnsi(path).c_str(), &info) != 0) return path + ": " + std::strerror(errno);
  const unsigned me = ::geteuid();
  if (me != 0 && info.st_uid != me) {
    const std::optional<SystemAccount> owner = FindAccount(info.st_uid);
    return Fill(
        Tr("System", refusals.owned_by_another),
        {path, owner ? owner->name : std::to_string(info.st_uid), account.name, Quoted(path)});
  }
  Acl acl(acl_get_file(Utf8FromAnsi(path).c_str(), ACL_TYPE_ACCESS));
  if (!acl) {
    const std::string words = std::strerror(errno);
    return Fill(Tr("System", refusals.no_lists), {path, words, account.name});
  }
  return "";
}

// Adds the permissions to the account's own entry of path's list, and the mask to match.
std::string AddEntry(const std::string& path, const SystemAccount& account, unsigned permissions) {
  const std::string os_path = Utf8FromAnsi(path);
  acl_t acl = acl_get_file(os_path.c_str(), ACL_TYPE_ACCESS);
  if (acl == nullptr) return path + ": " + std::strerror(errno);
  Acl owned(acl);
  acl_entry_t entry = nullptr;
  bool found = false;
  for (int id = ACL_FIRST_ENTRY; acl_get_entry(acl, id, &entry) == 1; id = ACL_NEXT_ENTRY) {
    acl_tag_t tag = ACL_UNDEFINED_TAG;
    acl_get_tag_type(entry, &tag);
    if (tag == ACL_USER && QualifierOf(entry) == account.uid) {
      found = true;
      break;
    }
  }
  if (!found) {
    if (acl_create_entry(&acl, &entry) != 0) return path + ": " + std::strerror(errno);
    owned.release();
    owned.reset(acl);
    acl_set_tag_type(entry, ACL_USER);
    const uid_t uid = account.uid;
    acl_set_qualifier(entry, &uid);
  }
  acl_permset_t permset = nullptr;
  acl_get_permset(entry, &permset);
  if ((permissions & kRead) != 0) acl_add_perm(permset, ACL_READ);
  if ((permissions & kWrite) != 0) acl_add_perm(permset, ACL_WRITE);
  if ((permissions & kSearch) != 0) acl_add_perm(permset, ACL_EXECUTE);
  acl_set_permset(entry, permset);
  // The mask only widens to the named entries; the owning group's own entry keeps its rights.
  if (acl_calc_mask(&acl) != 0) return path + ": " + std::strerror(errno);
  owned.release();
  owned.reset(acl);
  if (acl_set_file(os_path.c_str(), ACL_TYPE_ACCESS, acl) != 0) {
    const std::string words = std::strerror(errno);
    return Fill(Tr("System", "could not let %1 use %2: %3"), {account.name, path, words});
  }
  return "";
}

}  // namespace

bool AccountMay(const SystemAccount& account, const std::string& path, unsigned access) {
  const std::string os_path = Utf8FromAnsi(path);
  struct stat info {};
  if (::stat(os_path.c_str(), &info) != 0) return false;
  if (account.uid == 0) return true;
  const Acl acl(acl_get_file(os_path.c_str(), ACL_TYPE_ACCESS));
  return Permits(account, info, acl.get(), access);
}

FileAccessPlan PlanFileAccess(const SystemAccount& account, const std::string& file) {
  FileAccessPlan plan;
  // What does not exist yet is made later by this user, whose folders others may pass.
  for (const std::string& folder : FoldersAbove(file)) {
    if (!FolderExists(folder) || AccountMay(account, folder, kSearch)) continue;
    plan.folders.push_back(folder);
    if (plan.problem.empty()) plan.problem = WhyNotChangeable(folder, account, kPassRefusals);
  }
  plan.file = FileExists(file) && !AccountMay(account, file, kRead | kWrite);
  if (plan.file && plan.problem.empty()) {
    plan.problem = WhyNotChangeable(RealPath(file), account, kReadWriteRefusals);
  }
  return plan;
}

std::string GrantFileAccess(const SystemAccount& account, const std::string& file) {
  const FileAccessPlan plan = PlanFileAccess(account, file);
  if (!plan.problem.empty()) return plan.problem;
  for (const std::string& folder : plan.folders) {
    if (std::string failed = AddEntry(folder, account, kSearch); !failed.empty()) return failed;
  }
  if (plan.file) return AddEntry(RealPath(file), account, kRead | kWrite);
  return "";
}

}  // namespace skarvel
