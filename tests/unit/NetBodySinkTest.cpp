#include <gtest/gtest.h>

#include <string>

#include "platform/net/BodySink.h"

namespace {

using net::BodySink;

// Reads everything the sink holds for the reader into a string.
std::string ReadInto(BodySink& sink, std::size_t capacity, const std::string& offered = "",
                     bool* taken = nullptr) {
    std::string buffer(capacity, '\0');
    sink.BeginRead(buffer.data(), capacity);
    bool accepted = sink.Offer(offered.data(), offered.size());
    if (taken) *taken = accepted;
    buffer.resize(sink.EndRead());
    return buffer;
}

TEST(NetBodySink, PieceGoesStraightToTheReader) {
    BodySink sink(8);
    bool taken = false;
    EXPECT_EQ(ReadInto(sink, 10, "abcdef", &taken), "abcdef");
    EXPECT_TRUE(taken);
    EXPECT_EQ(sink.Spilled(), 0u);
}

TEST(NetBodySink, RestOfAnOversizePieceWaitsInTheSpillInOrder) {
    BodySink sink(8);
    bool taken = false;
    EXPECT_EQ(ReadInto(sink, 4, "abcdefghij", &taken), "abcd");
    EXPECT_TRUE(taken);
    EXPECT_EQ(sink.Spilled(), 6u);
    EXPECT_EQ(ReadInto(sink, 4), "efgh");
    // Spilled bytes come before a new piece, whatever the room.
    EXPECT_EQ(ReadInto(sink, 10, "klm", &taken), "ijklm");
    EXPECT_TRUE(taken);
    EXPECT_EQ(sink.Spilled(), 0u);
}

TEST(NetBodySink, PieceThatFitsNowhereIsRefusedWhole) {
    BodySink sink(4);
    bool taken = true;
    EXPECT_EQ(ReadInto(sink, 2, "abcdefg", &taken), "");
    EXPECT_FALSE(taken);
    EXPECT_EQ(sink.Spilled(), 0u);
    EXPECT_EQ(ReadInto(sink, 2, "abcdef", &taken), "ab");
    EXPECT_TRUE(taken);
    EXPECT_EQ(sink.Spilled(), 4u);
}

TEST(NetBodySink, WithoutAReadPiecesGoToTheSpillUntilItIsFull) {
    BodySink sink(6);
    EXPECT_TRUE(sink.IsFull());
    EXPECT_TRUE(sink.Offer("abc", 3));
    EXPECT_TRUE(sink.Offer("de", 2));
    EXPECT_FALSE(sink.Offer("fg", 2));
    EXPECT_EQ(ReadInto(sink, 2), "ab");
    // Room freed at the front is used again.
    EXPECT_TRUE(sink.Offer("fgh", 3));
    EXPECT_EQ(ReadInto(sink, 100), "cdefgh");
}

TEST(NetBodySink, ClearDropsTheSpill) {
    BodySink sink(6);
    EXPECT_TRUE(sink.Offer("abc", 3));
    sink.Clear();
    EXPECT_EQ(ReadInto(sink, 10, "xy"), "xy");
}

TEST(NetBodySink, FullReaderRefusesWhenTheSpillCannotTakeThePiece) {
    BodySink sink(3);
    std::string buffer(2, '\0');
    sink.BeginRead(buffer.data(), 2);
    EXPECT_TRUE(sink.Offer("ab", 2));
    EXPECT_TRUE(sink.IsFull());
    EXPECT_TRUE(sink.Offer("cde", 3));
    EXPECT_FALSE(sink.Offer("f", 1));
    EXPECT_EQ(sink.EndRead(), 2u);
    EXPECT_EQ(buffer, "ab");
    EXPECT_EQ(ReadInto(sink, 10, "f"), "cdef");
}

}  // namespace
