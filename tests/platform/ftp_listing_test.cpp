#include "platform/ftp_listing.h"

#include <gtest/gtest.h>

namespace skarvel::wininet {
namespace {

// name, size, directory, link, size listed.
using Entry = std::tuple<std::string, std::uint64_t, bool, bool, bool>;

std::vector<Entry> Parsed(const std::string& listing) {
  std::vector<Entry> entries;
  for (const FindData& entry : ParseListing(listing)) {
    entries.emplace_back(entry.cFileName, entry.nFileSize, entry.directory, entry.link,
                         entry.size_listed);
  }
  return entries;
}

// As vsftpd and pyftpdlib write them: names keep their blanks, a link is named without its target
// and marked, since its size is the link's own.
TEST(FtpListingTest, ReadsAUnixServersListing) {
  EXPECT_EQ(Parsed("total 112\r\n"
                   "-rw-r--r--    1 1001     1001       100000 Dec 09 16:30 7za.exe\r\n"
                   "drwxr-xr-x    2 1001     1001         4096 Dec 09 16:30 sub dir\r\n"
                   "lrwxrwxrwx    1 root     root           13 Jan 01  2020 lumtrak.zip -> "
                   "../v650/x.zip\r\n"
                   "-rw-r--r--   1 ftp ftp        7 Jan 01  2020  two  blanks \r\n"
                   "-rw-r--r--   1 ftp        7 Feb 29 09:00 no-group.txt\n"),
            (std::vector<Entry>{{"7za.exe", 100000, false, false, true},
                                {"sub dir", 4096, true, false, true},
                                {"lumtrak.zip", 13, false, true, true},
                                {" two  blanks ", 7, false, false, true},
                                {"no-group.txt", 7, false, false, true}}));
}

TEST(FtpListingTest, ReadsAWindowsServersListingAndSkipsWhatIsNeither) {
  EXPECT_EQ(Parsed("12-08-26  10:00AM              100000 7za.exe\r\n"
                   "12-08-26  10:00PM       <DIR>          Lumtrak 650\r\n"
                   "something else entirely\r\n"
                   "-rw-r--r-- 1 ftp ftp 12 Dec 08 10:00\r\n"
                   "\r\n"),
            (std::vector<Entry>{{"7za.exe", 100000, false, false, true},
                                {"Lumtrak 650", 0, true, false, false}}));
}

}  // namespace
}  // namespace skarvel::wininet
