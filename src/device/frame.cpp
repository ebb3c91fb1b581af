#include "frame.h"

uchar hidCS(const uchar *cmd) {
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += cmd[i];
    return uchar(~sum & 0xFF);
}

CommandFrame buildFrame(uchar code, const std::array<uchar, 6> &params) {
    CommandFrame frame{};
    frame[0] = code;
    for (int i = 0; i < 6; ++i)
        frame[i + 1] = params[i];
    frame[7] = hidCS(frame.data());
    return frame;
}
