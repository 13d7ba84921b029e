#pragma once

#include <string>
#include <vector>

#include "platform/wininet.h"

namespace skarvel::wininet {

// The entries of a LIST answer, in the server's order. Two layouts are read, as WinINet reads
// them: a Unix server's ("-rw-r--r-- 1 ftp ftp 100000 Dec 08 10:00 7za.exe", a link as
// "lrwxrwxrwx … name -> target"), and a Windows server's ("12-08-26  10:00AM  100000 7za.exe",
// "<DIR>" for a folder). Names keep their bytes, blanks included; a link is named without its
// target. Lines in neither layout ("total 12") are skipped.
std::vector<FindData> ParseListing(const std::string& listing);

}  // namespace skarvel::wininet
