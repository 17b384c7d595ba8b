#include "shell/texts.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>

namespace zentavi {
namespace {

std::size_t gbkBytes(std::string_view utf8) {
  gsize written = 0;
  gchar* gbk =
      g_convert(utf8.data(), static_cast<gssize>(utf8.size()), "GBK", "UTF-8", nullptr, &written, nullptr);
  EXPECT_NE(gbk, nullptr) << "not representable in GBK: " << utf8;
  g_free(gbk);
  return written;
}

TEST(Texts, CaptionsAsTheUserSeesThem) {
  EXPECT_EQ(kWindowCaption, "Zentavi网络电视台 v1.01  \u2014  泽塔维(tv.zentavi.example)版权所有");
  EXPECT_EQ(kWebsiteButtonCaption, "泽塔维tv.zentavi.example 版权所有");
  EXPECT_EQ(gbkBytes(kWebsiteButtonCaption), 33u);
  EXPECT_EQ(kWebsiteButtonCaption.find('\n'), std::string_view::npos);
  EXPECT_GT(gbkBytes(kFailedStartMessage), 0u);
}

TEST(Texts, AddressesAreSchemeAndHostWithNothingAdded) {
  EXPECT_EQ(kChannelListUrl, "http://live.zentavi.example/index.asp?action=list");
  EXPECT_EQ(kWebsiteUrl, "http://tv.zentavi.example");
}

}  // namespace
}  // namespace zentavi
