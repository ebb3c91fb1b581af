#pragma once

#include "frame.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>

// A command set is data: one row per command, consumed by one set pattern and one read
// pattern in the command layer. Rows name where each slot parameter goes in the request
// frame, how long the data phase is and how a failure looks.

// One request byte (1..6): zero, the slot's k-th argument, or a fixed value.
struct RequestByte {
    enum Kind : uchar { Zero, Arg, Fixed };
    Kind kind = Zero;
    uchar value = 0;
};
constexpr RequestByte nil{RequestByte::Zero, 0};
constexpr RequestByte arg(uchar k) {
    return {RequestByte::Arg, k};
}
constexpr RequestByte fix(uchar v) {
    return {RequestByte::Fixed, v};
}
using RequestLayout = std::array<RequestByte, 6>;

// The data length is given by the slot (it depends on an argument, as with the stage colours).
constexpr int kLengthFromSlot = -1;

struct SetCommand {
    const char *slot;
    uchar code;
    RequestLayout request;
    int dataLength;       // bytes in the data phase; 0 none
    bool ackWait;         // acknowledgement pauses around the transfer
    bool sleepAfterStart; // 8 ms on the caller after starting the transfer
    const char *message;  // written when the layer stays busy
};

// How the reply frame is preset before a read, so that a failed read yields something
// defined: the caller's own values (Echo) or zeros (Zero).
enum class ReplyPreset : uchar { Echo, Zero };

constexpr signed char kNoOut = -1;
using OutPositions =
    std::array<signed char, 6>; // reply byte of each out-value, kNoOut after the last

struct ReadCommand {
    const char *slot;
    uchar code;
    RequestLayout request;
    int dataLength; // block read in the data phase (the block is preset and copied back)
    ReplyPreset preset;
    OutPositions out;   // reply bytes assigned to the out-parameters, in order
    bool onlyOnSuccess; // out-values and block are assigned only when the read worked
    const char *message;
};

// The frame a row gives for these arguments. Arguments beyond the list read as 0.
inline CommandFrame frameFor(uchar code, const RequestLayout &layout,
                             std::initializer_list<uchar> args) {
    std::array<uchar, 6> params{};
    for (int i = 0; i < 6; ++i) {
        const RequestByte b = layout[size_t(i)];
        if (b.kind == RequestByte::Fixed)
            params[size_t(i)] = b.value;
        else if (b.kind == RequestByte::Arg && b.value < args.size())
            params[size_t(i)] = *(args.begin() + b.value);
    }
    return buildFrame(code, params);
}

// The position of the row for `code` in a command table; N when it has none.
template <typename Row, size_t N> constexpr size_t rowIndex(const Row (&table)[N], uchar code) {
    for (size_t i = 0; i < N; ++i)
        if (table[i].code == code)
            return i;
    return N;
}

// The row of a command code: a code the table lacks does not compile, so no command can fall
// back to another command's row.
template <const auto &Table, uchar Code> constexpr const auto &rowFor() {
    constexpr size_t index = rowIndex(Table, Code);
    static_assert(index < std::size(Table), "the command table has no row for this code");
    return Table[index];
}
