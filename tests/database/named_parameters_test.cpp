#include "database/named_parameters.h"

#include <gtest/gtest.h>

namespace skarvel::db {
namespace {

TEST(RewriteNamedParametersTest, ReplacesEachNameInOrder) {
  const PositionalStatement p = RewriteNamedParameters(
      "insert into TVA (CODE_TVA, TAUX) values (:Code, :taux_1) /* :not */ -- :nor\n"
      "returning CODE_TVA");
  EXPECT_EQ(p.sql,
            "insert into TVA (CODE_TVA, TAUX) values (?, ?) /* :not */ -- :nor\n"
            "returning CODE_TVA");
  EXPECT_EQ(p.names, (std::vector<std::string>{"Code", "taux_1"}));
}

TEST(RewriteNamedParametersTest, LeavesQuotedTextAlone) {
  const PositionalStatement p = RewriteNamedParameters(
      "select 'a:b ''x:y''' as \"c:d\" from t where a = :A and b = :A and c = ':A'");
  EXPECT_EQ(p.sql, "select 'a:b ''x:y''' as \"c:d\" from t where a = ? and b = ? and c = ':A'");
  EXPECT_EQ(p.names, (std::vector<std::string>{"A", "A"}));
  EXPECT_EQ(RewriteNamedParameters("select 1 from t where x = ':").sql,
            "select 1 from t where x = ':");
  EXPECT_TRUE(RewriteNamedParameters("select a: from t").names.empty());
}

}  // namespace
}  // namespace skarvel::db
