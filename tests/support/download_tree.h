#pragma once

#include <cstddef>
#include <string>

#include "database/firebird.h"
#include "tests/support/temp_folder.h"

namespace skarvel::test {

// The download server of the demo customers in root: each folder their installation fetches, the
// till package a real protected archive holding "lumtrak/" (with the prepared till databases),
// the server package a setup program that only notes how it was called. Returns root's path.
std::string MakeDownloadTree(const TempFolder& root);

// The till package of the tree in root gets a file of random bytes, "lumtrak/zz-large.bin",
// stored uncompressed, so that downloading and unpacking it take a while.
void EnlargeTillPackage(const TempFolder& root, std::size_t bytes);

// The database opened with the installation's account, in Windows-1252.
db::Attachment OpenAsAdministrator(const std::string& database);
// The first column of the first row of sql, as text, or "(no row)".
std::string FirstValue(const std::string& database, const std::string& sql);

}  // namespace skarvel::test
