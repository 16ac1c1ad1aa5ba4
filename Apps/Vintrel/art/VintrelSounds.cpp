// Vintrel's sounds: soft bubbly pond noises, each peaking at -3 dBFS with a fade in and out.
#include "art/ArtRegistry.h"

namespace {

using art::Sound;

Sound Finish(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.006); }

Sound Blip(double from, double to, double seconds, art::Wave wave = art::Wave::Sine) {
    Sound s = art::Tone(from, to, seconds, wave);
    art::Envelope(s, 0.005, seconds * 0.5, 6);
    return s;
}

Sound Notes(std::initializer_list<double> hertz, double each) {
    Sound out;
    double at = 0;
    for (double h : hertz) {
        art::MixInto(out, Blip(h, h, each * 1.3, art::Wave::Triangle), at, 0.5f);
        at += each;
    }
    return Finish(out);
}

Sound Gulp() {
    Sound out = Blip(300, 900, 0.12);
    art::MixInto(out, art::Noise(0.08, 0.5, 3), 0, 0.15f);
    return Finish(out);
}

Sound Bubbles() {
    Sound out;
    for (int i = 0; i < 5; ++i) {
        art::MixInto(out, Blip(500 + 90 * i, 1100 + 60 * i, 0.06), 0.11 * i, 0.35f);
    }
    return Finish(out);
}

const art::SoundRecipe kOpen{"snd-gameopen.wav", [] { return Notes({392, 523, 659, 784}, 0.12); }};
const art::SoundRecipe kHigh{"snd-gameover-highscore.wav", [] { return Notes({523, 659, 784, 1047, 1319}, 0.11); }};
const art::SoundRecipe kOver{"snd-gameover.wav", [] { return Notes({392, 330, 262, 196}, 0.2); }};
const art::SoundRecipe kStartGame{"snd-gamestart.wav", [] { return Notes({262, 392, 523}, 0.15); }};
const art::SoundRecipe kLoseLife{"snd-loselife.wav", [] { return Finish(Blip(700, 180, 0.5, art::Wave::Triangle)); }};
const art::SoundRecipe kEats{"snd-vinteats.wav", Gulp};
const art::SoundRecipe kGrowth{"snd-vintgrowth.wav", [] { return Finish(Blip(200, 600, 0.35, art::Wave::Square)); }};
const art::SoundRecipe kGood{"snd-newbaddieGood.wav", [] { return Finish(Blip(600, 900, 0.15)); }};
const art::SoundRecipe kBad{"snd-newbaddieBad.wav", [] { return Finish(Blip(220, 140, 0.25, art::Wave::Saw)); }};
const art::SoundRecipe kAmbient{"snd-randbg.wav", Bubbles};
const art::SoundRecipe kExtraLife{"snd-ExtraLife.wav", [] { return Notes({659, 784, 1047}, 0.09); }};

}  // namespace
