// Build-time generator of the alarm sound: synthesises the beeps and encodes them as MP3
// with LAME. Usage: GeneraAvviso <path of Avviso.mp3>
#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

#include "Avviso.h"

namespace {

constexpr int kBeep = 80;    // ms of tone
constexpr int kPausa = 50;   // ms between the beeps of a burst
constexpr int kRaffica = 4;  // beeps in a burst
constexpr int kRaffiche = 3;
constexpr int kSilenzio = 250;    // ms between bursts
constexpr double kNota = 1760.0;  // A6, with its octave for a piezo-like edge
constexpr int kRampa = 5;         // ms of fade in and out, so no beep clicks

int Campioni(int ms) { return avviso::Campionamento * ms / 1000; }

std::vector<short> Sintetizza() {
    std::vector<short> pcm(static_cast<std::size_t>(Campioni(avviso::DurataMs)), 0);
    const int beep = Campioni(kBeep), rampa = Campioni(kRampa);
    int inizio = 0;
    for (int r = 0; r < kRaffiche; ++r) {
        for (int b = 0; b < kRaffica; ++b) {
            for (int i = 0; i < beep; ++i) {
                const double t = static_cast<double>(i) / avviso::Campionamento;
                const double inviluppo = std::min({1.0, static_cast<double>(i) / rampa,
                                                   static_cast<double>(beep - 1 - i) / rampa});
                const double onda = 0.75 * std::sin(2 * std::numbers::pi * kNota * t) +
                                    0.25 * std::sin(4 * std::numbers::pi * kNota * t);
                pcm.at(static_cast<std::size_t>(inizio + i)) =
                    static_cast<short>(std::lround(0.6 * 32767 * inviluppo * onda));
            }
            inizio += beep + (b + 1 < kRaffica ? Campioni(kPausa) : 0);
        }
        inizio += Campioni(kSilenzio);
    }
    return pcm;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: GeneraAvviso <Avviso.mp3>\n";
        return 2;
    }
    const std::vector<short> pcm = Sintetizza();

    lame_global_flags* lame = lame_init();
    if (!lame) return 1;
    lame_set_in_samplerate(lame, avviso::Campionamento);
    lame_set_out_samplerate(lame, avviso::Campionamento);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, 128);
    lame_set_quality(lame, 2);
    // The Info tag carries the encoder delay and padding, so decoders play the exact length.
    lame_set_bWriteVbrTag(lame, 1);
    if (lame_init_params(lame) < 0) {
        std::cerr << "GeneraAvviso: LAME refused the parameters\n";
        lame_close(lame);
        return 1;
    }

    std::vector<unsigned char> mp3(pcm.size() * 5 / 4 + 7200);
    int n = lame_encode_buffer(lame, pcm.data(), pcm.data(), static_cast<int>(pcm.size()),
                               mp3.data(), static_cast<int>(mp3.size()));
    if (n < 0) {
        std::cerr << "GeneraAvviso: encoding failed (" << n << ")\n";
        lame_close(lame);
        return 1;
    }
    const int coda = lame_encode_flush(lame, mp3.data() + n, static_cast<int>(mp3.size()) - n);
    if (coda < 0) {
        lame_close(lame);
        return 1;
    }
    mp3.resize(static_cast<std::size_t>(n + coda));
    // The Info tag is written into the first frame once the whole sound is known.
    std::vector<unsigned char> tag(16384);
    const std::size_t lunghezzaTag = lame_get_lametag_frame(lame, tag.data(), tag.size());
    lame_close(lame);
    if (lunghezzaTag > 0 && lunghezzaTag <= mp3.size())
        std::copy(tag.begin(), tag.begin() + static_cast<long>(lunghezzaTag), mp3.begin());

    // Written beside the target and renamed over it when complete.
    const std::filesystem::path file = argv[1];
    const std::filesystem::path provvisorio = file.string() + ".tmp";
    {
        std::ofstream out(provvisorio, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(mp3.data()),
                  static_cast<std::streamsize>(mp3.size()));
        if (!out.flush()) {
            std::cerr << "GeneraAvviso: cannot write " << provvisorio.string() << '\n';
            return 1;
        }
    }
    std::error_code errore;
    std::filesystem::rename(provvisorio, file, errore);
    if (errore) {
        std::cerr << "GeneraAvviso: " << errore.message() << '\n';
        return 1;
    }
    return 0;
}
