// Synthesises the program's sounds: short interface clicks and the background loop.
//
//   gen_sounds OUTDIR            writes 01.wav .. 04.wav
//   gen_sounds --background FILE writes the background loop as WAV (encoded to
//                                modules/media/00.mp3 by make_background.sh)
//
// Everything is additive synthesis with simple envelopes: deterministic, so a rebuild gives
// the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples silence(double seconds) {
    return Samples(size_t(seconds * kRate), 0.0);
}

// A sine partial with an exponential decay, added at `start` seconds.
void tone(Samples &out, double start, double seconds, double freq, double gain, double decay,
          double attack = 0.004) {
    const size_t first = size_t(start * kRate);
    const size_t count = size_t(seconds * kRate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / attack) * std::exp(-t * decay);
        out[first + i] += gain * env * std::sin(2 * kPi * freq * t);
    }
}

// A pitch sweep, for the power-on rise.
void sweep(Samples &out, double start, double seconds, double f0, double f1, double gain) {
    const size_t first = size_t(start * kRate);
    const size_t count = size_t(seconds * kRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double x = double(i) / count;
        const double freq = f0 * std::pow(f1 / f0, x);
        phase += 2 * kPi * freq / kRate;
        const double env = std::sin(kPi * x) * std::sin(kPi * x);
        out[first + i] += gain * env * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
}

void normalise(Samples &s, double peak) {
    double max = 1e-9;
    for (double v : s)
        max = std::max(max, std::fabs(v));
    for (double &v : s)
        v *= peak / max;
}

void put16(std::FILE *f, uint16_t v) {
    std::fputc(v & 0xff, f), std::fputc(v >> 8, f);
}
void put32(std::FILE *f, uint32_t v) {
    put16(f, v & 0xffff), put16(f, v >> 16);
}

bool writeWav(const std::string &path, const Samples &s) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const uint32_t bytes = uint32_t(s.size() * 2);
    std::fwrite("RIFF", 1, 4, f), put32(f, 36 + bytes), std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16), put16(f, 1), put16(f, 1), put32(f, kRate), put32(f, kRate * 2), put16(f, 2),
        put16(f, 16);
    std::fwrite("data", 1, 4, f), put32(f, bytes);
    for (double v : s)
        put16(f, uint16_t(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767))));
    return std::fclose(f) == 0;
}

Samples powerOn() {
    Samples s = silence(1.6);
    sweep(s, 0.0, 0.7, 110, 880, 0.5);
    const double notes[] = {440.0, 554.37, 659.25, 880.0};
    for (int i = 0; i < 4; ++i)
        tone(s, 0.45 + 0.12 * i, 1.1, notes[i], 0.35, 3.5);
    normalise(s, 0.7);
    return s;
}

Samples pageSwitch() {
    Samples s = silence(0.22);
    sweep(s, 0.0, 0.16, 900, 1800, 0.4);
    tone(s, 0.02, 0.2, 1320, 0.3, 25);
    normalise(s, 0.5);
    return s;
}

Samples webButton() {
    Samples s = silence(0.3);
    tone(s, 0.0, 0.15, 988, 0.5, 30);
    tone(s, 0.08, 0.22, 1319, 0.5, 22);
    normalise(s, 0.5);
    return s;
}

Samples click() {
    Samples s = silence(0.07);
    tone(s, 0.0, 0.07, 2400, 0.6, 90, 0.001);
    tone(s, 0.0, 0.07, 1200, 0.4, 70, 0.001);
    normalise(s, 0.45);
    return s;
}

// A slow A-minor pad, each chord fading into the next; the ends match so it loops quietly.
Samples background() {
    const double seconds = 16.0;
    Samples s = silence(seconds);
    const double chords[4][3] = {{220.00, 261.63, 329.63},
                                 {174.61, 220.00, 261.63},
                                 {196.00, 246.94, 293.66},
                                 {164.81, 207.65, 246.94}};
    for (int c = 0; c < 4; ++c)
        for (double f : chords[c]) {
            tone(s, c * 4.0, 4.6, f, 0.3, 0.5, 0.8);
            tone(s, c * 4.0, 4.6, f * 2.003, 0.08, 0.8, 0.8);
        }
    for (int i = 0; i < 16; ++i)
        tone(s, i * 1.0, 0.9, (i % 4 == 0 ? 880.0 : 659.25), 0.06, 4.0, 0.01);
    // Fade both ends so the restart is seamless.
    const size_t fade = kRate / 2;
    for (size_t i = 0; i < fade; ++i) {
        const double g = double(i) / fade;
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    normalise(s, 0.35);
    return s;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::string(argv[1]) == "--background")
        return writeWav(argv[2], background()) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_sounds OUTDIR | gen_sounds --background FILE\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = writeWav(dir + "/01.wav", powerOn()) &&
                    writeWav(dir + "/02.wav", pageSwitch()) &&
                    writeWav(dir + "/03.wav", webButton()) && writeWav(dir + "/04.wav", click());
    if (!ok)
        std::fprintf(stderr, "gen_sounds: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
