// Brisquet2's sounds: water and bubbles. Bloops (a sine that glides up fast, like a bubble
// leaving a pipe), soft marimba notes in a warm major scale, and a fizz of noise for the bursts.
// Each peaks at -3 dBFS and fades in and out.
#include <initializer_list>

#include "Brisquet2Look.h"
#include "art/ArtRegistry.h"

namespace {

using art::Sound;

constexpr double kC5 = 523.25, kE5 = 659.25, kG5 = 783.99, kA5 = 880.0, kC6 = 1046.5, kD6 = 1174.66, kE6 = 1318.5,
                 kG4 = 392.0, kE4 = 329.63, kC4 = 261.63, kA4 = 440.0, kF4 = 349.23, kD4 = 293.66;

// Starts after a few silent milliseconds, so the fade-in never eats a sound's first attack.
Sound Finish(const Sound& sound, float pan = 0) { return art::ReadyToShip(sound, pan, 0.008); }

// A bubble: a short sine gliding upward with a quick decay.
Sound Bloop(double from, double to, double seconds) {
    Sound bloop = art::Tone(from, to, seconds);
    art::Envelope(bloop, 0.004, seconds * 0.4, 6.0 / seconds);
    return bloop;
}

// A soft mallet note: the fundamental with a hollow fourth partial.
Sound Mallet(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 4.0, hertz * 4.0, seconds * 0.25), 0, 0.18f);
    art::MixInto(note, art::Tone(hertz * 2.0, hertz * 2.0, seconds * 0.5, art::Wave::Triangle), 0, 0.12f);
    art::Envelope(note, 0.003, 0.06, 4.5);
    return note;
}

Sound Notes(std::initializer_list<double> notes, double step, double length) {
    return art::Melody(notes, step, [&](double hertz) { return Mallet(hertz, length); }, 0.5f);
}

Sound Fizz(double seconds, uint32_t seed) {
    Sound fizz = art::Noise(seconds, 0.2, seed);
    art::Envelope(fizz, 0.002, seconds * 0.6, 10);
    return fizz;
}

// The game opens: a stream of rising bubbles over a bright arpeggio.
Sound OpenGame() {
    Sound out = Notes({kC5, kE5, kG5, kC6, kE6}, 0.11, 0.6);
    brisquet2_art::Dice dice(4);
    for (int i = 0; i < 9; ++i) {
        const double base = 300 + dice.Next() * 500;
        art::MixInto(out, Bloop(base, base * 2.2, 0.07), 0.05 + 0.08 * i + dice.Next() * 0.03, 0.35f);
    }
    return Finish(out);
}

// A group pops: a round bloop with a wet fizz.
Sound BubbleDisappear() {
    Sound out = Bloop(420, 1150, 0.11);
    art::MixInto(out, Fizz(0.16, 9), 0.02, 0.3f);
    art::MixInto(out, Bloop(700, 1600, 0.06), 0.05, 0.5f);
    return Finish(out, 0.1f);
}

// No moves left: a slow sinking phrase with a flat bloop at the end.
Sound DeadEnd() {
    Sound out = Notes({kA4, kF4, kD4}, 0.22, 0.7);
    art::MixInto(out, Bloop(260, 180, 0.3), 0.62, 0.5f);
    return Finish(out);
}

// A puzzle solved: a bright rising run and a chord.
Sound LevelComplete() {
    Sound out = Notes({kG5, kA5, kC6, kD6, kE6}, 0.075, 0.5);
    art::MixInto(out, Notes({kC5, kE5, kG5}, 0.0, 0.9), 0.38, 0.8f);
    art::MixInto(out, Bloop(500, 1400, 0.08), 0.38, 0.3f);
    return Finish(out);
}

// A new puzzle: three quick bubbles, each a step higher.
Sound LevelStart() {
    Sound out;
    art::MixInto(out, Bloop(380, 760, 0.09), 0, 0.8f);
    art::MixInto(out, Bloop(500, 1000, 0.09), 0.1, 0.8f);
    art::MixInto(out, Bloop(640, 1350, 0.12), 0.2, 0.8f);
    return Finish(out);
}

// A lone bubble clicked: a dull, short knock.
Sound NoClick() {
    Sound knock = art::Tone(210, 150, 0.09, art::Wave::Triangle);
    art::Envelope(knock, 0.002, 0.05, 35);
    art::MixInto(knock, Fizz(0.03, 3), 0, 0.15f);
    return Finish(knock);
}

// The number prompt opens: a questioning pair of notes.
Sound BeforeSelectLevel() { return Finish(Notes({kG4, kD6 / 2}, 0.12, 0.35)); }

// All 150 puzzles: a fanfare of mallets over a bubbling swell.
Sound ChallengeSolved() {
    Sound out = Notes({kC5, kE5, kG5, kC6, kG5, kC6, kE6}, 0.14, 0.7);
    art::MixInto(out, Notes({kC4, kE4, kG4, kC5}, 0.0, 1.6), 0.98, 0.9f);
    art::MixInto(out, Notes({kE6, kD6, kE6}, 0.1, 0.9), 1.0, 0.6f);
    brisquet2_art::Dice dice(8);
    for (int i = 0; i < 24; ++i) {
        const double base = 350 + dice.Next() * 700;
        art::MixInto(out, Bloop(base, base * 2, 0.06), 0.9 + dice.Next() * 1.4, 0.25f);
    }
    return Finish(out);
}

const art::SoundRecipe openGame{"p-OpenGame.wav", OpenGame};
const art::SoundRecipe bubbleDisappear{"p-BubbleDisappear.wav", BubbleDisappear};
const art::SoundRecipe deadEnd{"p-DeadEnd.wav", DeadEnd};
const art::SoundRecipe levelComplete{"p-LevelComplete.wav", LevelComplete};
const art::SoundRecipe levelStart{"p-LevelStart.wav", LevelStart};
const art::SoundRecipe noClick{"p-NoClick.wav", NoClick};
const art::SoundRecipe beforeSelectLevel{"snd-beforeselectlevel.wav", BeforeSelectLevel};
const art::SoundRecipe challengeSolved{"snd-challengesolved.wav", ChallengeSolved};

}  // namespace
