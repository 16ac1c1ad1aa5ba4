// Aurelsk's sounds: a small family of sonar pings, bubbles and brassy bells under water.
#include <utility>

#include "art/ArtRegistry.h"

namespace {

using art::Sound;

Sound Finish(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.006); }

Sound Ping(double hertz, double seconds) {
    Sound ping = art::Tone(hertz, hertz * 0.98, seconds);
    art::MixInto(ping, art::Tone(hertz * 2.01, hertz * 2.0, seconds * 0.6), 0, 0.2f);
    art::Envelope(ping, 0.003, seconds * 0.5, 5);
    return ping;
}

Sound Blub(double hertz, double seconds) {
    Sound blub = art::Tone(hertz, hertz * 2.2, seconds);
    art::Envelope(blub, 0.004, seconds * 0.5, 12);
    return blub;
}

// Surfacing, and the low-oxygen alarm: bubbles racing up.
Sound Emerge() {
    Sound out;
    const std::pair<double, double> bubbles[] = {{300, 0}, {380, 0.05}, {340, 0.09}, {460, 0.13}, {420, 0.18}, {560, 0.22}};
    for (const auto& [hertz, at] : bubbles) art::MixInto(out, Blub(hertz, 0.07), at, 0.5f);
    Sound rush = art::Noise(0.3, 0.85, 4);
    art::Envelope(rush, 0.05, 0.15, 3);
    art::MixInto(out, rush, 0, 0.25f);
    return Finish(out);
}

// A muffled underwater boom.
Sound Explosion() {
    Sound boom = art::Noise(0.7, 0.93, 8);
    art::Envelope(boom, 0.002, 0.5, 5);
    Sound thump = art::Tone(110, 38, 0.5);
    art::Envelope(thump, 0.002, 0.3, 7);
    art::MixInto(boom, thump, 0, 0.9f);
    Sound after = art::Noise(0.3, 0.97, 12);
    art::Envelope(after, 0.05, 0.2, 4);
    art::MixInto(boom, after, 0.25, 0.4f);
    return Finish(boom);
}

// The title: a sonar ping answered by a rising bell motif.
Sound Title() {
    Sound out = Ping(880, 0.6);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        Sound bell = art::Tone(notes[i], notes[i], 0.45, art::Wave::Triangle);
        art::Envelope(bell, 0.002, 0.3, 6);
        art::MixInto(out, bell, 0.45 + 0.14 * i, 0.35f);
    }
    return Finish(out);
}

// A torpedo leaving its tube: a short hiss and a falling whirr.
Sound Torpedo() {
    Sound hiss = art::Noise(0.3, 0.5, 2);
    art::Envelope(hiss, 0.005, 0.2, 8);
    Sound whirr = art::Tone(900, 300, 0.3, art::Wave::Saw);
    art::Envelope(whirr, 0.01, 0.2, 9);
    art::MixInto(hiss, whirr, 0, 0.18f);
    return Finish(hiss);
}

// Treasure into the hold: two clinking coins.
Sound Pickup() {
    Sound out;
    for (const auto& [hertz, at] : {std::pair{2093.0, 0.0}, std::pair{2793.8, 0.06}}) {
        Sound bell = art::Tone(hertz, hertz, 0.25);
        art::MixInto(bell, art::Tone(hertz * 2.7, hertz * 2.7, 0.1), 0, 0.3f);
        art::Envelope(bell, 0.001, 0.1, 12);
        art::MixInto(out, bell, at, 0.5f);
    }
    return Finish(out);
}

// Dive! Three sonar pings climbing.
Sound GameStart() {
    Sound out;
    for (int i = 0; i < 3; ++i) art::MixInto(out, Ping(660.0 + 110.0 * i, 0.18), 0.12 * i, 0.5f);
    return Finish(out);
}

// An extra life: a bright arpeggio over a bubble run.
Sound FreeLife() {
    Sound out;
    const double notes[] = {783.99, 987.77, 1174.66, 1567.98};
    for (int i = 0; i < 4; ++i) {
        Sound note = art::Tone(notes[i], notes[i], 0.16, art::Wave::Square);
        art::Envelope(note, 0.002, 0.08, 9);
        art::MixInto(out, note, 0.07 * i, 0.22f);
        art::MixInto(out, Blub(400 + 90.0 * i, 0.05), 0.07 * i + 0.03, 0.3f);
    }
    return Finish(out);
}

const art::SoundRecipe emerge{"p-snd-emerge.wav", Emerge};
const art::SoundRecipe explosion{"p-snd-explosion.wav", Explosion};
const art::SoundRecipe title{"p-snd-gameopen2v.wav", Title};
const art::SoundRecipe torpedo{"p-snd-torpedo.wav", Torpedo};
const art::SoundRecipe pickup{"p-snd-treasurepickup.wav", Pickup};
const art::SoundRecipe gameStart{"p-snd-gamestart.wav", GameStart};
const art::SoundRecipe freeLife{"p-snd-freelife.wav", FreeLife};

}  // namespace
