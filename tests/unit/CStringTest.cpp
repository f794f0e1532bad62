#include <gtest/gtest.h>

#include <cstring>

#include "platform/CString.h"

namespace {

TEST(CString, EditingOperations) {
    CString s("abcabc");
    EXPECT_EQ(s.Find('c'), 2);
    EXPECT_EQ(s.Find("bc", 2), 4);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.ReverseFind('a'), 3);
    EXPECT_EQ(s.Left(2).str(), "ab");
    EXPECT_EQ(s.Mid(4).str(), "bc");
    EXPECT_EQ(s.Mid(1, 2).str(), "bc");
    EXPECT_EQ(s.Right(10).str(), "abcabc");
    EXPECT_EQ(s.Delete(1, 2), 4);
    EXPECT_EQ(s.str(), "aabc");
    EXPECT_EQ(s.Replace('a', 'x'), 2);
    EXPECT_EQ(s, "xxbc");
}

TEST(CString, FormatAndConversion) {
    CString url;
    url.Format("http://%s/%s", "host", "");
    EXPECT_EQ(url, "http://host/");
    url.Format("%s", std::string(5000, 'y').c_str());
    EXPECT_EQ(url.GetLength(), 5000);
    CString text("text");
    LPCTSTR raw = text;
    EXPECT_STREQ(raw, "text");
    CString joined = CString("a") + "b" + 'c';
    EXPECT_EQ(std::strcmp(joined, "abc"), 0);
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
}

}  // namespace
