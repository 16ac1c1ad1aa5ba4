// Tallimo's sounds: a warehouse family of rubber bounces, belt hums, cash-register ticks and a
// horn. Each peaks at -3 dBFS and fades in and out.
#include <string>
#include <utility>

#include "art/ArtRegistry.h"

namespace {

using art::Sound;

Sound Finish(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.006); }

// A ball landing on a shelf: a rubbery thump whose pitch tells the kind.
Sound Bounce(double hertz, double ring) {
    Sound thump = art::Tone(hertz * 1.6, hertz, 0.16);
    art::Envelope(thump, 0.002, 0.08, 16);
    Sound knock = art::Noise(0.04, 0.6, static_cast<uint32_t>(hertz));
    art::Envelope(knock, 0.001, 0.03, 50);
    art::MixInto(thump, knock, 0, 0.4f);
    Sound tail = art::Tone(hertz * 2, hertz * 1.9, ring, art::Wave::Triangle);
    art::Envelope(tail, 0.002, ring * 0.6, 10);
    art::MixInto(thump, tail, 0.01, 0.25f);
    return Finish(thump);
}

Sound Chime(double hertz, double seconds) {
    Sound bell = art::Tone(hertz, hertz, seconds);
    art::MixInto(bell, art::Tone(hertz * 2.01, hertz * 2.01, seconds * 0.6), 0, 0.3f);
    art::Envelope(bell, 0.002, seconds * 0.4, 5);
    return bell;
}

Sound Pluck(double hertz) {
    Sound note = art::Tone(hertz, hertz, 0.22, art::Wave::Triangle);
    art::Envelope(note, 0.003, 0.1, 9);
    return note;
}

Sound Fanfare(std::initializer_list<double> notes, double step) { return Finish(art::Melody(notes, step, Pluck, 0.5f)); }

// The truck's horn: two detuned saws.
Sound Horn(double seconds) {
    Sound horn = art::Tone(311, 311, seconds, art::Wave::Saw);
    art::MixInto(horn, art::Tone(392, 392, seconds, art::Wave::Saw), 0, 0.8f);
    art::Envelope(horn, 0.02, 0.05, 0);
    return horn;
}

Sound GameStart() {
    Sound out = Horn(0.18);
    art::MixInto(out, Horn(0.3), 0.26);
    art::MixInto(out, art::Melody({523, 659, 784, 1047}, 0.09, Pluck, 0.4f), 0.62);
    return Finish(out);
}

Sound StartLevel() { return Fanfare({392, 523, 659}, 0.1); }
Sound WinLevel() { return Fanfare({523, 659, 784, 1047, 784, 1047}, 0.09); }
Sound LoseLevel() {
    Sound slide = art::Tone(392, 196, 0.6, art::Wave::Triangle);
    art::Envelope(slide, 0.01, 0.2, 2);
    Sound wah = art::Tone(262, 131, 0.5, art::Wave::Square);
    art::Envelope(wah, 0.01, 0.2, 3);
    art::MixInto(slide, wah, 0.25, 0.35f);
    return Finish(slide);
}

Sound EnoughBalls() {
    Sound out;
    art::MixInto(out, Chime(1319, 0.3), 0, 0.5f);
    art::MixInto(out, Chime(1760, 0.4), 0.08, 0.5f);
    return Finish(out);
}

Sound PerfectTruck() {
    Sound out = art::Melody({784, 988, 1175, 1568}, 0.07, Pluck, 0.45f);
    for (int i = 0; i < 6; ++i) art::MixInto(out, Chime(2093 + 220 * (i % 3), 0.25), 0.3 + 0.07 * i, 0.25f);
    Sound cheer = art::Noise(0.7, 0.5, 77);
    art::Envelope(cheer, 0.15, 0.3, 1);
    art::MixInto(out, cheer, 0.3, 0.15f);
    return Finish(out);
}

Sound HighScore() {
    Sound out = art::Melody({523, 659, 784, 659, 784, 1047}, 0.12, Pluck, 0.45f);
    art::MixInto(out, Chime(2093, 0.5), 0.7, 0.3f);
    return Finish(out);
}

// The belt starting: a motor whirring up to speed.
Sound Belt() {
    Sound motor = art::Tone(60, 140, 0.7, art::Wave::Saw);
    art::Envelope(motor, 0.1, 0.2, 0);
    Sound rattle = art::Noise(0.7, 0.85, 9);
    art::Envelope(rattle, 0.1, 0.2, 0);
    art::MixInto(motor, rattle, 0, 0.5f);
    return Finish(motor);
}

// The register counting a cell.
Sound ScoreTick() {
    Sound tick = art::Tone(2400, 2200, 0.035, art::Wave::Square);
    art::Envelope(tick, 0.001, 0.02, 60);
    return Finish(tick);
}

Sound BadSlot() {
    Sound buzz = art::Tone(150, 140, 0.22, art::Wave::Square);
    art::MixInto(buzz, art::Tone(157, 147, 0.22, art::Wave::Square), 0, 0.8f);
    art::Envelope(buzz, 0.005, 0.06, 4);
    return Finish(buzz);
}

const art::SoundRecipe balls[] = {
    {"snd-ball-1.wav", [] { return Bounce(180, 0.12); }}, {"snd-ball-2.wav", [] { return Bounce(420, 0.1); }},
    {"snd-ball-3.wav", [] { return Bounce(330, 0.05); }}, {"snd-ball-4.wav", [] { return Bounce(240, 0.1); }},
    {"snd-ball-5.wav", [] { return Bounce(140, 0.04); }}, {"snd-ball-6.wav", [] { return Bounce(280, 0.14); }},
    {"snd-ball-7.wav", [] { return Bounce(210, 0.2); }},
};
const art::SoundRecipe others[] = {
    {"snd-enoughballs.wav", EnoughBalls}, {"snd-gamestart.wav", GameStart},
    {"snd-loselevel.wav", LoseLevel},     {"snd-startlevel.wav", StartLevel},
    {"snd-winlevel.wav", WinLevel},       {"snd-HighScore.wav", HighScore},
    {"snd-Belt.wav", Belt},               {"snd-perfect-truck.wav", PerfectTruck},
    {"snd-scoretick.wav", ScoreTick},     {"snd-inbadslot.wav", BadSlot},
};

}  // namespace
