// Brisquet's sounds: glass and soap. Glassy bell notes (a sine with two bright inharmonic
// partials) in a major pentatonic, plips that drop in pitch for the pops, and soft noise for the
// rumble and the cheer.
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "art/ArtRegistry.h"
#include "art/Dice.h"

namespace {

using art::Sound;

constexpr double kD5 = 587.33, kE5 = 659.25, kG5 = 783.99, kA5 = 880.0, kB5 = 987.77, kD6 = 1174.66, kE6 = 1318.5,
                 kG6 = 1567.98, kG4 = 392.0, kE4 = 329.63, kB4 = 493.88;

Sound Ship(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.006); }

Sound Bell(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 2.76, hertz * 2.76, seconds * 0.4), 0, 0.22f);
    art::MixInto(note, art::Tone(hertz * 5.4, hertz * 5.4, seconds * 0.15), 0, 0.1f);
    art::Envelope(note, 0.002, seconds * 0.3, 3.5 / seconds);
    return note;
}

Sound Bells(std::initializer_list<double> notes, double step, double length) {
    return art::Melody(notes, step, [&](double hertz) { return Bell(hertz, length); }, 0.5f);
}

// A soap bubble bursting: a quick downward plip over a tick of noise.
Sound Plip(double from, double to, double seconds, uint32_t seed) {
    Sound plip = art::Tone(from, to, seconds);
    art::Envelope(plip, 0.001, seconds * 0.5, 8 / seconds);
    Sound tick = art::Noise(0.012, 0.1, seed);
    art::Envelope(tick, 0.0005, 0.008, 0);
    art::MixInto(plip, tick, 0, 0.45f);
    return plip;
}

// The level swells and sinks `hertz` times a second by up to `depth`.
void Wobble(Sound& sound, double hertz, double depth) {
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / art::kSampleRate;
        sound.samples[i] *= static_cast<float>(1 - depth + depth * std::sin(t * 2 * std::numbers::pi * hertz));
    }
}

Sound Rumble(double seconds, uint32_t seed) {
    Sound rumble = art::Noise(seconds, 0.97, seed);
    art::MixInto(rumble, art::Tone(46, 38, seconds, art::Wave::Triangle), 0, 0.5f);
    Wobble(rumble, 7.5, 0.4);
    art::Envelope(rumble, 0.08, seconds * 0.35, 0);
    return rumble;
}

Sound OpenGame() {
    Sound out = Bells({kD5, kE5, kG5, kA5, kD6, kE6}, 0.09, 0.7);
    art::Dice dice(3);
    for (int i = 0; i < 7; ++i) {
        const double at = 0.06 + 0.1 * i + 0.03 * dice.Next();
        art::MixInto(out, Plip(1600 + 700 * dice.Next(), 700, 0.05, 10 + i), at, 0.25f);
    }
    return Ship(out);
}

Sound BubbleDisappear() {
    Sound out = Plip(1500, 480, 0.07, 2);
    art::MixInto(out, Plip(1900, 800, 0.05, 3), 0.045, 0.6f);
    art::MixInto(out, Plip(1250, 520, 0.05, 4), 0.085, 0.4f);
    return Ship(out);
}

Sound NoClick() {
    Sound thunk = art::Tone(210, 120, 0.09, art::Wave::Triangle);
    art::Envelope(thunk, 0.002, 0.05, 30);
    Sound felt = art::Noise(0.04, 0.85, 5);
    art::Envelope(felt, 0.001, 0.03, 0);
    art::MixInto(thunk, felt, 0, 0.5f);
    return Ship(thunk);
}

Sound DeadEnd() {
    Sound out = Bells({kB4, kG4, kE4}, 0.2, 0.7);
    art::MixInto(out, art::Tone(kE4 / 2, kE4 / 2 * 0.97, 0.9, art::Wave::Triangle), 0.4, 0.25f);
    art::Envelope(out, 0.004, 0.3, 0);
    return Ship(out);
}

Sound LevelStart() { return Ship(Bells({kG5, kD6, kG6}, 0.07, 0.4)); }

Sound LevelComplete() {
    Sound out = Bells({kD5, kG5, kB5, kD6, kB5, kD6, kG6}, 0.085, 0.8);
    art::MixInto(out, Bells({kG4, kD5, kG5}, 0.0, 1.0), 0.55, 0.6f);
    return Ship(out);
}

Sound Argh() {
    // A comic groan: a buzzy voice sliding down with a wobble.
    const double seconds = 0.6;
    Sound voice = art::Tone(330, 150, seconds, art::Wave::Saw);
    Sound body = art::Tone(332, 152, seconds, art::Wave::Square);
    art::MixInto(voice, body, 0, 0.4f);
    Wobble(voice, 9, 0.25);
    art::Envelope(voice, 0.02, 0.2, 1.5);
    return Ship(voice);
}

Sound Hint() {
    Sound out = Bells({kA5, kE6, kA5, kE6}, 0.11, 0.45);
    return Ship(out);
}

Sound Promotion() {
    Sound out = Bells({kD5, kE5, kG5, kD5, kG5, kA5, kD6, kG6}, 0.11, 0.9);
    art::MixInto(out, Bells({kG4, kB4, kD5, kG5}, 0.0, 1.6), 0.88, 0.55f);
    Sound cheer = art::Noise(1.4, 0.55, 9);
    art::Envelope(cheer, 0.3, 0.6, 0);
    art::MixInto(out, cheer, 0.7, 0.18f);
    return Ship(out);
}

Sound PopFinal() {
    Sound out = Plip(900, 90, 0.35, 6);
    Sound blast = art::Noise(0.5, 0.6, 7);
    art::Envelope(blast, 0.001, 0.35, 6);
    art::MixInto(out, blast, 0, 0.7f);
    art::MixInto(out, Bells({kG6, kE6, kD6, kB5, kG5}, 0.05, 0.4), 0.12, 0.35f);
    return Ship(out);
}

Sound Rumbling() { return Ship(Rumble(1.2, 8)); }

const art::SoundRecipe openGame{"p-OpenGame.wav", OpenGame};
const art::SoundRecipe bubbleDisappear{"p-BubbleDisappear.wav", BubbleDisappear};
const art::SoundRecipe deadEnd{"p-DeadEnd.wav", DeadEnd};
const art::SoundRecipe levelComplete{"p-LevelComplete.wav", LevelComplete};
const art::SoundRecipe levelStart{"p-LevelStart.wav", LevelStart};
const art::SoundRecipe argh{"p-Argh.wav", Argh};
const art::SoundRecipe hint{"p-Hint.wav", Hint};
const art::SoundRecipe promotion{"p-Promotion.wav", Promotion};
const art::SoundRecipe noClick{"p-NoClick.wav", NoClick};
const art::SoundRecipe popFinal{"p-PopFinal.wav", PopFinal};
const art::SoundRecipe rumble{"p-Rumble.wav", Rumbling};

}  // namespace
