// Grumbolt's sounds: wooden marimba notes, rubbery croaks and springy hops, with the swamp's
// night noises (crickets, bubbles, a far-off bullfrog) as the three background calls. Each peaks
// at -3 dBFS and fades in and out.
#include <initializer_list>

#include "art/ArtRegistry.h"
#include "art/Dice.h"

namespace {

using art::Sound;

constexpr double kC5 = 523.25, kD5 = 587.33, kE5 = 659.25, kG5 = 783.99, kA5 = 880.0, kC6 = 1046.5, kG4 = 392.0;

Sound Finish(const Sound& sound, float pan = 0) { return art::ReadyToShip(sound, pan, 0.008); }

// A marimba bar: a soft fundamental with a quick fourth partial that dies first.
Sound Bar(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 4, hertz * 4, seconds * 0.25), 0, 0.25f);
    art::Envelope(note, 0.002, 0.04, 7);
    return note;
}

Sound Marimba(std::initializer_list<double> notes, double step, double length) {
    return art::Melody(notes, step, [&](double hertz) { return Bar(hertz, length); }, 0.5f);
}

// A croak: a low buzzing tone that wobbles, in short pulses.
Sound Croak(double hertz, double seconds, int pulses) {
    Sound out = art::Rest(seconds);
    const double pulse = seconds / pulses;
    for (int i = 0; i < pulses; ++i) {
        Sound p = art::Tone(hertz * 1.1, hertz * 0.9, pulse * 0.8, art::Wave::Saw);
        art::MixInto(p, art::Tone(hertz * 2.02, hertz * 1.8, pulse * 0.8, art::Wave::Square), 0, 0.25f);
        art::Envelope(p, 0.01, pulse * 0.3, 4);
        art::MixInto(out, p, pulse * i, 0.6f);
    }
    return out;
}

Sound Boing(double from, double to, double seconds) {
    Sound spring = art::Tone(from, to, seconds, art::Wave::Triangle);
    art::MixInto(spring, art::Tone(from * 1.5, to * 1.5, seconds * 0.6), 0, 0.3f);
    art::Envelope(spring, 0.003, seconds * 0.4, 5);
    return spring;
}

Sound GameOpen() {
    Sound out = Marimba({kC5, kE5, kG5, kC6, kG5, kC6}, 0.11, 0.5);
    art::MixInto(out, Croak(150, 0.3, 3), 0.72, 0.8f);
    return Finish(out);
}

Sound GameStart() {
    Sound out = Croak(170, 0.25, 2);
    art::MixInto(out, Marimba({kG4, kC5, kE5}, 0.08, 0.4), 0.22, 1.2f);
    return Finish(out);
}

Sound LevelComplete() {
    Sound out = Marimba({kC5, kD5, kE5, kG5, kE5, kG5, kC6}, 0.09, 0.5);
    art::MixInto(out, Bar(kC6 * 2, 0.8), 0.6, 0.35f);
    return Finish(out);
}

Sound Selected() {
    Sound blip = Bar(kA5, 0.14);
    art::MixInto(blip, Bar(kA5 * 1.5, 0.12), 0.04, 0.6f);
    return Finish(blip);
}

Sound FrogHop() {
    Sound hop = Boing(220, 660, 0.22);
    Sound splash = art::Noise(0.12, 0.45, 9);
    art::Envelope(splash, 0.002, 0.08, 20);
    art::MixInto(hop, splash, 0.2, 0.5f);
    return Finish(hop);
}

// A dull wooden thud and a grumpy little croak: not that one.
Sound FrogDisabled() {
    Sound thud = art::Tone(140, 90, 0.12);
    art::Envelope(thud, 0.002, 0.06, 25);
    art::MixInto(thud, Croak(95, 0.18, 2), 0.06, 0.7f);
    return Finish(thud);
}

// Crickets: fast chirps of a high tone in groups.
Sound Crickets() {
    Sound out = art::Rest(1.6);
    for (int group = 0; group < 4; ++group)
        for (int chirp = 0; chirp < 4; ++chirp) {
            Sound c = art::Tone(4200, 4100, 0.025);
            art::Envelope(c, 0.003, 0.01, 30);
            art::MixInto(out, c, group * 0.4 + chirp * 0.045, 0.4f);
        }
    return Finish(out, -0.4f);
}

// Bubbles rising: short upward blips at random times.
Sound Bubbles() {
    art::Dice dice(17);
    Sound out = art::Rest(1.3);
    for (int i = 0; i < 9; ++i) {
        const double base = 300 + dice.Next() * 500;
        Sound b = art::Tone(base, base * 2.2, 0.05);
        art::Envelope(b, 0.002, 0.02, 20);
        art::MixInto(out, b, dice.Next() * 1.2, 0.3f + 0.3f * dice.Next());
    }
    return Finish(out, 0.3f);
}

Sound Bullfrog() { return Finish(Croak(85, 0.9, 3), 0.5f); }

// Hands clapping: many short noise bursts with a cheer under them.
Sound Applause() {
    art::Dice dice(23);
    Sound out = art::Rest(2.2);
    for (int i = 0; i < 140; ++i) {
        Sound clap = art::Noise(0.02, 0.15, 100 + static_cast<uint32_t>(i));
        art::Envelope(clap, 0.001, 0.012, 60);
        const float t = dice.Next();
        art::MixInto(out, clap, t * 2.0, 0.2f + 0.3f * (1 - t));
    }
    Sound cheer = art::Noise(2.0, 0.8, 7);
    art::Envelope(cheer, 0.2, 0.8, 0.8);
    art::MixInto(out, cheer, 0, 0.4f);
    art::MixInto(out, Marimba({kC5, kE5, kG5, kC6}, 0.12, 0.6), 0.1, 0.8f);
    return Finish(out);
}

const art::SoundRecipe kSounds[] = {
    {"p-snd-GameOpen.wav", GameOpen},         {"p-snd-GameStart.wav", GameStart},
    {"p-snd-LevelComplete.wav", LevelComplete}, {"p-snd-Selected.wav", Selected},
    {"p-snd-FrogHop.wav", FrogHop},           {"p-snd-FrogDisabled.wav", FrogDisabled},
    {"p-snd-background1.wav", Crickets},      {"p-snd-background2.wav", Bubbles},
    {"p-snd-background3.wav", Bullfrog},      {"p-snd-applause.wav", Applause},
};

}  // namespace
