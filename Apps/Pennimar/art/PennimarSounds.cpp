// Pennimar's sounds: the four animals' calls, and a country family of banjo-like plucks, woody
// knocks and a whistle for the game's moments. Each peaks at -3 dBFS and fades in and out.
#include <cmath>
#include <initializer_list>
#include <vector>

#include "art/ArtRegistry.h"

namespace {

using art::Sound;

constexpr double kG4 = 392.0, kC5 = 523.25, kD5 = 587.33, kE5 = 659.25, kG5 = 783.99, kA5 = 880.0, kB5 = 987.77,
                 kC6 = 1046.5, kD6 = 1174.66, kE6 = 1318.5, kG6 = 1567.98, kF5 = 698.46;

Sound Finish(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.008); }

// A voice gliding from `from` to `to` hertz with vibrato, a saw blended into a sine by `buzz`.
Sound Voice(double from, double to, double seconds, double vibratoHz, double vibratoDepth, double buzz) {
    Sound out;
    const auto frames = static_cast<size_t>(seconds * art::kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / art::kSampleRate;
        const double f = from + (to - from) * (t / seconds) + vibratoDepth * std::sin(6.2832 * vibratoHz * t);
        phase += f / art::kSampleRate;
        phase -= std::floor(phase);
        const double saw = 2 * phase - 1, sine = std::sin(6.2832 * phase);
        out.samples.push_back(static_cast<float>(sine * (1 - buzz) + saw * buzz));
    }
    return out;
}

// A plucked string: a burst of noise ringing round a delay the length of one period.
Sound Pluck(double hertz, double seconds, uint32_t seed = 5) {
    const Sound burst = art::Noise(1.0 / hertz + 0.001, 0.2, seed);
    const size_t period = burst.samples.size() - 1;
    Sound out;
    out.samples = burst.samples;
    const auto frames = static_cast<size_t>(seconds * art::kSampleRate);
    while (out.samples.size() < frames) {
        const size_t n = out.samples.size();
        out.samples.push_back(0.498f * (out.samples[n - period] + out.samples[n - period - 1]));
    }
    art::Envelope(out, 0.001, 0.04);
    return out;
}

// Plucked notes; a 0 is a rest.
Sound Tune(std::initializer_list<double> notes, double step, double ring) {
    uint32_t seed = 3;
    return art::Melody(notes, step, [&](double hertz) { return hertz > 0 ? Pluck(hertz, ring, seed++) : art::Rest(0.01); },
                       0.6f);
}

// A knock on a fence post: a short dark thump with a woody click.
Sound Knock(double pitch) {
    Sound body = art::Tone(pitch, pitch * 0.6, 0.09);
    art::Envelope(body, 0.001, 0.06, 40);
    Sound click = art::Noise(0.02, 0.3, 9);
    art::Envelope(click, 0.0005, 0.015, 150);
    art::MixInto(body, click, 0, 0.5f);
    return body;
}

Sound Cow() {
    Sound moo = Voice(150, 112, 1.1, 4, 3, 0.55);
    art::Envelope(moo, 0.18, 0.3, 0.4);
    Sound breath = art::Noise(1.1, 0.9, 2);
    art::Envelope(breath, 0.2, 0.3, 0.5);
    art::MixInto(moo, breath, 0, 0.08f);
    return Finish(moo);
}

Sound Pig() {
    Sound out;
    for (int i = 0; i < 3; ++i) {
        Sound grunt = Voice(200 - i * 15, 140 - i * 10, 0.11, 30, 25, 0.8);
        Sound rasp = art::Noise(0.11, 0.5, static_cast<uint32_t>(i) + 4);
        art::MixInto(grunt, rasp, 0, 0.35f);
        art::Envelope(grunt, 0.01, 0.05, 6);
        art::MixInto(out, grunt, i * 0.16, 0.9f);
    }
    return Finish(out);
}

Sound Goat() {
    Sound bleat = Voice(430, 390, 0.75, 9, 28, 0.45);
    art::Envelope(bleat, 0.03, 0.2, 1.0);
    return Finish(bleat);
}

Sound Horse() {
    Sound whinny = Voice(950, 480, 1.0, 13, 60, 0.35);
    art::Envelope(whinny, 0.03, 0.25, 1.2);
    Sound snort = art::Noise(0.25, 0.7, 6);
    art::Envelope(snort, 0.01, 0.15, 5);
    art::MixInto(whinny, snort, 0.95, 0.6f);
    return Finish(whinny);
}

Sound Bonus() {
    Sound out;
    double at = 0;
    for (const double hertz : {kC6, kE6, kG6, kC6 * 2}) {
        Sound bell = art::Tone(hertz, hertz, 0.4);
        art::MixInto(bell, art::Tone(hertz * 2.76, hertz * 2.76, 0.2), 0, 0.2f);
        art::Envelope(bell, 0.002, 0.05, 6);
        art::MixInto(out, bell, at, 0.5f);
        at += 0.08;
    }
    return Finish(out);
}

Sound Die() {
    Sound slide = Voice(620, 140, 0.8, 7, 40, 0.7);
    art::Envelope(slide, 0.01, 0.2, 0.8);
    return Finish(slide);
}

Sound ExtraLife() { return Finish(Tune({kG5, kB5, kD6, kG6}, 0.07, 0.5)); }

Sound FenceClose() {
    Sound out = Knock(190);
    art::MixInto(out, Knock(170), 0.12, 1.0f);
    art::MixInto(out, Tune({kC5, kE5, kG5}, 0.0, 0.6), 0.22, 0.8f);
    return Finish(out);
}

Sound FenceLaying() {
    Sound tap = Knock(420);
    return Finish(tap);
}

Sound GameOpen() { return Finish(Tune({kG4, kC5, kE5, kG5, kE5, kG5, kC6}, 0.12, 0.7)); }

Sound GameOver() { return Finish(Tune({kG5, 0, kE5, 0, kC5, kD5, kC5 * 0.75}, 0.16, 0.9)); }

Sound GetHighScore() {
    Sound out = Tune({kC5, kE5, kG5, kC6, 0, kA5, kC6}, 0.1, 0.6);
    art::MixInto(out, Tune({kC5, kE5, kG5, kC6}, 0.012, 1.0), 0.72, 0.8f);
    return Finish(out);
}

Sound LevelComplete() { return Finish(Tune({kD5, kD5, kG5, kB5, kD6, 0, kB5, kD6, kG6}, 0.09, 0.6)); }

// A farmhand's two-note whistle to start the day.
Sound LevelStart() {
    Sound out = Voice(1200, 1800, 0.18, 6, 15, 0.0);
    art::Envelope(out, 0.02, 0.05);
    Sound down = Voice(1800, 1100, 0.32, 6, 20, 0.0);
    art::Envelope(down, 0.02, 0.12);
    art::MixInto(out, down, 0.22, 1.0f);
    art::MixInto(out, Tune({kF5, kA5}, 0.08, 0.4), 0.55, 0.5f);
    return Finish(out);
}

Sound Walking() {
    Sound step = art::Noise(0.06, 0.8, 12);
    art::Envelope(step, 0.003, 0.04, 40);
    art::MixInto(step, art::Tone(90, 70, 0.05), 0, 0.4f);
    return Finish(step);
}

const art::SoundRecipe cow{"p-snd-Cow.wav", Cow};
const art::SoundRecipe pig{"p-snd-Pig.wav", Pig};
const art::SoundRecipe goat{"p-snd-Goat.wav", Goat};
const art::SoundRecipe horse{"p-snd-Horse.wav", Horse};
const art::SoundRecipe bonus{"p-snd-Bonus.wav", Bonus};
const art::SoundRecipe die{"p-snd-Die.wav", Die};
const art::SoundRecipe extraLife{"p-snd-Extra-Life.wav", ExtraLife};
const art::SoundRecipe fenceClose{"p-snd-Fence-Close.wav", FenceClose};
const art::SoundRecipe fenceLaying{"p-snd-Fence-Laying.wav", FenceLaying};
const art::SoundRecipe gameOpen{"p-snd-Game-Open.wav", GameOpen};
const art::SoundRecipe gameOver{"p-snd-Game-Over.wav", GameOver};
const art::SoundRecipe getHighScore{"p-snd-Get-High-Score.wav", GetHighScore};
const art::SoundRecipe levelComplete{"p-snd-Level-Complete.wav", LevelComplete};
const art::SoundRecipe levelStart{"p-snd-Level-Start.wav", LevelStart};
const art::SoundRecipe walking{"p-snd-Walking.wav", Walking};

}  // namespace
