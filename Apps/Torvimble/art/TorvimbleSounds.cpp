// Torvimble's sounds: cards that slide and snap on felt, clay chips that clack, warm marimba
// notes for the tables opening, and Oggo's rumbling troll laugh. Mono, peaking at -3 dBFS.
#include <initializer_list>

#include "TorvimbleLook.h"
#include "art/ArtRegistry.h"

namespace {

using art::Sound;

// A few silent milliseconds first, so the fade-in never eats the attack.
Sound Done(const Sound& sound) {
    Sound out = art::Rest(0.006);
    art::Append(out, sound);
    art::Normalise(out, -3.0);
    art::FadeEdges(out);
    return out;
}

// A wooden bar struck: the note, a hollow twelfth and a quick knock.
Sound Marimba(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 4.0, hertz * 4.0, seconds * 0.25), 0, 0.18f);
    art::MixInto(note, art::Tone(hertz * 10.0, hertz * 10.0, 0.012), 0, 0.12f);
    art::Envelope(note, 0.002, 0.04, 9.0);
    return note;
}

Sound Run(std::initializer_list<double> notes, double step, double length) {
    Sound out;
    double at = 0;
    for (const double hertz : notes) {
        art::MixInto(out, Marimba(hertz, length), at, 0.45f);
        at += step;
    }
    return out;
}

// Two chips meeting: a bright, very short ring.
Sound Clack(double hertz, uint32_t seed) {
    Sound click = art::Noise(0.01, 0.2, seed);
    art::Envelope(click, 0.0005, 0.006, 300);
    Sound ring = art::Tone(hertz, hertz * 0.97, 0.06, art::Wave::Triangle);
    art::Envelope(ring, 0.001, 0.02, 60);
    art::MixInto(click, ring, 0, 0.6f);
    return click;
}

Sound CardDeal() {
    // Paper sliding over felt, ending in a soft tap.
    Sound slide = art::Noise(0.11, 0.35, 7);
    art::Envelope(slide, 0.03, 0.03, 6);
    Sound tap = art::Noise(0.015, 0.7, 8);
    art::Envelope(tap, 0.001, 0.01, 150);
    art::MixInto(slide, tap, 0.1, 0.9f);
    return Done(slide);
}

Sound CardFlip() {
    Sound snap = art::Noise(0.025, 0.15, 11);
    art::Envelope(snap, 0.0008, 0.015, 120);
    Sound flutter = art::Noise(0.05, 0.5, 12);
    art::Envelope(flutter, 0.01, 0.02, 30);
    art::MixInto(snap, flutter, 0.012, 0.5f);
    return Done(snap);
}

Sound GameStart() { return Done(Run({392.0, 493.88, 587.33, 783.99}, 0.08, 0.4)); }

Sound OpenGame() {
    Sound out = Run({261.63, 329.63, 392.0, 523.25, 659.25}, 0.1, 0.5);
    art::MixInto(out, Marimba(261.63, 0.9), 0.5, 0.35f);
    art::MixInto(out, Marimba(523.25, 0.9), 0.5, 0.35f);
    return Done(out);
}

Sound DisabledButton() {
    Sound buzz = art::Tone(140, 110, 0.14, art::Wave::Square);
    art::Envelope(buzz, 0.004, 0.05, 8);
    art::MixInto(buzz, art::Tone(147, 115, 0.14, art::Wave::Square), 0, 0.5f);
    return Done(buzz);
}

Sound SmallButton() { return Done(Clack(1850, 21)); }

// "Ho ho ho": three low vowels, each a buzzing voice with a growl of noise, falling in pitch.
Sound TrollLaugh() {
    Sound out;
    const double pitches[] = {125, 112, 100, 90};
    for (int i = 0; i < 4; ++i) {
        const double p = pitches[i];
        Sound voice = art::Tone(p * 1.05, p, 0.17, art::Wave::Saw);
        art::MixInto(voice, art::Tone(p * 4.1, p * 3.9, 0.17), 0, 0.3f);
        art::MixInto(voice, art::Noise(0.17, 0.8, 30 + static_cast<uint32_t>(i)), 0, 0.15f);
        art::Envelope(voice, 0.015, 0.06, 4);
        art::MixInto(out, voice, 0.21 * i, 0.6f);
    }
    return Done(out);
}

// Clams poured on the table and a rising run.
Sound PlayerWin() {
    Sound out = Run({523.25, 659.25, 783.99, 1046.5}, 0.07, 0.45);
    art::Dice dice(44);
    for (int i = 0; i < 9; ++i)
        art::MixInto(out, Clack(1500 + 900 * dice.Next(), 50 + static_cast<uint32_t>(i)), 0.25 + 0.045 * i, 0.35f);
    return Done(out);
}

const art::SoundRecipe deal{"snd-Card-Deal.wav", CardDeal};
const art::SoundRecipe flip{"snd-Card-Flip.wav", CardFlip};
const art::SoundRecipe start{"snd-gamestart1.wav", GameStart};
const art::SoundRecipe open{"snd-open-game.wav", OpenGame};
const art::SoundRecipe disabled{"snd-disbtn2.wav", DisabledButton};
const art::SoundRecipe click{"snd-small-button.wav", SmallButton};
const art::SoundRecipe laugh{"snd-player-lose-laugh.wav", TrollLaugh};
const art::SoundRecipe win{"snd-player-win.wav", PlayerWin};

}  // namespace
