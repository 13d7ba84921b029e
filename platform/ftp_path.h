#pragma once

#include <string>

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

}  // namespace skarvel::wininet
