// The line --version prints under the version, held against LICENSE: a new
// year or holder in one and not in the other is a failure.
#include <gtest/gtest.h>

#include <string>

#include "base/licence.h"
#include "source_text.h"

namespace {

TEST(Licence, LineOpensWithTheNoticeOfLicenseAndNamesItsTitle) {
  const std::string licence = SourceTreeFile("LICENSE");
  const std::string title = licence.substr(0, licence.find('\n'));
  const std::size_t notice = licence.find("\nCopyright ");
  ASSERT_NE(notice, std::string::npos) << "LICENSE holds no copyright line";
  const std::string copyright = licence.substr(notice + 1, licence.find('\n', notice + 1) - notice - 1);
  const std::string line = kLicenceLine;
  EXPECT_EQ(line.substr(0, copyright.size() + 2), copyright + ". ");
  EXPECT_EQ(title, "MIT License");
  EXPECT_NE(line.find(title), std::string::npos) << line;
}

}  // namespace
