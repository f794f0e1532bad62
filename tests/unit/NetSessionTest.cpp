#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/net/InternetException.h"
#include "platform/net/InternetSession.h"

namespace {

TEST(NetSession, PortZeroMeansTheHttpPort) {
    CInternetSession session("agent");
    EXPECT_EQ(session.GetHttpConnection("example.test")->GetPort(), 80);
    EXPECT_EQ(session.GetHttpConnection("example.test", 0)->GetPort(), 80);
    EXPECT_EQ(session.GetHttpConnection("example.test", 8080)->GetPort(), 8080);
    EXPECT_EQ(session.GetHttpConnection("example.test")->GetServerName(), "example.test");
}

TEST(NetSession, TimeoutsStartNearThePlatformsAndCanBeChanged) {
    CInternetSession session("agent", 7);
    EXPECT_EQ(session.GetContext(), 7u);
    DWORD value = 0;
    ASSERT_EQ(session.QueryOption(INTERNET_OPTION_CONNECT_TIMEOUT, value), TRUE);
    EXPECT_EQ(value, 30000u);
    ASSERT_EQ(session.QueryOption(INTERNET_OPTION_RECEIVE_TIMEOUT, value), TRUE);
    EXPECT_EQ(value, 60000u);

    EXPECT_EQ(session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 250), TRUE);
    EXPECT_EQ(session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 0), TRUE);  // keeps the value
    session.QueryOption(INTERNET_OPTION_CONNECT_TIMEOUT, value);
    EXPECT_EQ(value, 250u);
    session.QueryOption(INTERNET_OPTION_RECEIVE_TIMEOUT, value);
    EXPECT_EQ(value, 60000u);
    EXPECT_EQ(session.SetOption(99, 1), FALSE);
    EXPECT_EQ(session.QueryOption(99, value), FALSE);
}

TEST(NetSession, OnlyDirectAccessAndGetRequests) {
    EXPECT_THROW(CInternetSession("agent", 1, 3), std::invalid_argument);
    CInternetSession session("agent");
    auto connection = session.GetHttpConnection("example.test");
    EXPECT_THROW(connection->OpenRequest(0, "x"), std::invalid_argument);
    auto request = connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, "index.html");
    EXPECT_EQ(request->GetObject(), "index.html");
    // Nothing is sent before SendRequest: there is no status yet.
    DWORD status = 0;
    EXPECT_EQ(request->QueryInfoStatusCode(status), FALSE);
    EXPECT_EQ(request->GetCredentialRequest().host, "example.test");
}

TEST(NetSession, ExceptionCarriesItsCodeAndAText) {
    CInternetException failure(ERROR_INTERNET_TIMEOUT);
    EXPECT_EQ(failure.GetErrorCode(), 12002u);
    EXPECT_STRNE(failure.what(), "");
    EXPECT_STREQ(CInternetException(ERROR_INTERNET_CANNOT_CONNECT, "refused").what(), "refused");
}

}  // namespace
