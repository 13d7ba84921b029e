#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skarvel::wininet {

// Remote paths as the FTP layer keeps them. A path starting with "/" is absolute on the server;
// any other path is relative to the folder the server logs the account into, which is "/" on some
// servers and the account's home on others ("/home/skarvel"). The two must never be confused: a
// folder name sent behind the wrong root names a folder that does not exist.

// "a/./b//c/" → "a/b/c", "/a/../b" → "/b". A relative path keeps its leading ".." (it may climb
// above the login folder); an absolute one stops at "/". The login folder itself is "".
std::string NormalisedFtpPath(const std::string& path);

// path seen from the folder cwd: path itself when absolute, else cwd joined with it.
std::string ResolvedFtpPath(const std::string& cwd, const std::string& path);

// The path part of an ftp:// URL that names path and means exactly that: relative paths stay
// relative to the login folder, absolute ones start with "%2F" (the server's root). Every
// segment is percent-encoded, so blanks, "#", "?" and bytes above 127 reach the server as they
// are. folder adds the trailing "/" that makes the URL name a folder.
std::string FtpUrlPath(const std::string& path, bool folder);

// One command that moves the control connection, and the folder it leaves it in (as
// ResolvedFtpPath writes folders).
struct FolderStep {
  std::string command;  // "CWD zip", "CDUP", "CWD /srv/ftp"
  std::string folder;
};

// The commands that take the control connection from the folder `from` to the folder `to` (both
// as ResolvedFtpPath writes them). A full path is entered with one CWD. Any other folder is
// reached from where the connection is, one folder at a time (CDUP up, CWD down): a name is never
// sent relative to a folder the connection is not in, and a folder it is in is never entered
// again. login_folder is the full path PWD gave after the login, empty when it gave none
// (`257 "C:/ftp"`); only with it can a relative folder be reached from a full path, or from
// above the login folder. None when `to` cannot be reached.
std::optional<std::vector<FolderStep>> FolderSteps(const std::string& from, const std::string& to,
                                                   const std::string& login_folder);

}  // namespace skarvel::wininet
