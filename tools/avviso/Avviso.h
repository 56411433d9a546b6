#pragma once
// The alarm sound Avviso.mp3, made at build time by GeneraAvviso: three bursts of four short
// high beeps, like an alarm clock, mono. The test of the shipped file checks its length
// against these figures.
namespace avviso {

inline constexpr int Campionamento = 44100;  // samples a second
inline constexpr int DurataMs = 2000;        // the whole sound, silence at its end included

}  // namespace avviso
