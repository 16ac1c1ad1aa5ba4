// Glimtide's sounds: launches that whoosh and whistle, bursts that boom and crackle, and glassy
// chimes in a bright pentatonic scale for the game's moments. Each peaks at -3 dBFS and fades
// in and out.
#include <initializer_list>

#include "GlimtideLook.h"
#include "art/ArtRegistry.h"

namespace {

using art::Sound;

constexpr double kD5 = 587.33, kFs5 = 739.99, kA5 = 880.0, kB5 = 987.77, kD6 = 1174.66, kE6 = 1318.5,
                 kFs6 = 1479.98, kA4 = 440.0, kFs4 = 369.99, kD4 = 293.66;

// Starts after a few silent milliseconds, so the fade-in never eats a sound's first attack.
Sound Finish(const Sound& sound, float pan = 0) { return art::ReadyToShip(sound, pan, 0.008); }

// A glassy chime: the note with bright, slightly stretched partials.
Sound Glint(double hertz, double seconds, double decay = 5.0) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 3.0, hertz * 3.0, seconds * 0.5), 0, 0.22f);
    art::MixInto(note, art::Tone(hertz * 4.2, hertz * 4.2, seconds * 0.3), 0, 0.1f);
    art::Envelope(note, 0.002, 0.05, decay);
    return note;
}

Sound Notes(std::initializer_list<double> notes, double step, double length, double decay = 5.0) {
    return art::Melody(notes, step, [&](double hertz) { return Glint(hertz, length, decay); }, 0.5f);
}

// Many tiny pops scattered over `seconds`, thinning out toward the end.
Sound Crackle(double seconds, int pops, uint32_t seed) {
    glimtide_art::Dice dice(seed);
    Sound out = art::Rest(seconds + 0.02);
    for (int i = 0; i < pops; ++i) {
        const float t = dice.Next();
        Sound pop = art::Noise(0.004 + dice.Next() * 0.006, 0.1, seed + static_cast<uint32_t>(i));
        art::Envelope(pop, 0.0005, 0.003, 200);
        art::MixInto(out, pop, t * t * seconds, 0.25f + 0.6f * (1 - t));
    }
    return out;
}

// A rocket leaving: a soft thump and a rush of air that rises.
Sound Whoosh(double seconds, uint32_t seed) {
    Sound rush = art::Noise(seconds, 0.55, seed);
    art::Envelope(rush, seconds * 0.35, seconds * 0.5, 1.5);
    Sound thump = art::Tone(120, 60, 0.08);
    art::Envelope(thump, 0.002, 0.05, 30);
    art::MixInto(rush, thump, 0, 0.9f);
    return rush;
}

// The ordinary launch.
Sound FireOrdinary() { return Finish(Whoosh(0.55, 11), -0.2f); }

// The launch of a rocket that bursts into rockets: the rush with a rising whistle.
Sound FireWhistle() {
    Sound launch = Whoosh(0.8, 13);
    Sound whistle = art::Tone(900, 2600, 0.75, art::Wave::Triangle);
    art::Envelope(whistle, 0.05, 0.2, 0.5);
    art::MixInto(launch, whistle, 0.05, 0.35f);
    return Finish(launch, 0.2f);
}

// Sub-rockets and small shells: a sharp pop and a crackle.
Sound ExplodeSmall() {
    Sound bang = art::Noise(0.18, 0.35, 21);
    art::Envelope(bang, 0.001, 0.08, 22);
    art::MixInto(bang, Crackle(0.6, 40, 23), 0.05, 0.8f);
    return Finish(bang, 0.15f);
}

// A top-level shell: a deep boom, its rumble, and a long crackle.
Sound ExplodeBig() {
    Sound boom = art::Tone(70, 32, 0.9);
    art::Envelope(boom, 0.003, 0.3, 4);
    Sound rumble = art::Noise(0.9, 0.85, 31);
    art::Envelope(rumble, 0.002, 0.4, 5);
    art::MixInto(boom, rumble, 0, 0.9f);
    Sound crack = art::Noise(0.05, 0.2, 33);
    art::Envelope(crack, 0.0005, 0.03, 60);
    art::MixInto(boom, crack, 0, 0.6f);
    art::MixInto(boom, Crackle(1.0, 70, 35), 0.25, 0.55f);
    return Finish(boom);
}

Sound GameOpen() {
    Sound out = Notes({kD5, kFs5, kA5, kD6, kFs6}, 0.09, 0.7);
    art::MixInto(out, Crackle(0.5, 25, 41), 0.35, 0.3f);
    return Finish(out);
}

Sound GameStart() {
    Sound out = Notes({kA4, kD5, kFs5, kA5}, 0.07, 0.5, 6);
    art::MixInto(out, Glint(kD6, 0.6), 0.3, 0.55f);
    return Finish(out);
}

Sound GameOver() {
    Sound out = Notes({kA5, kFs5, kD5, kA4}, 0.22, 0.8, 3.5);
    Sound fizzle = art::Noise(0.9, 0.4, 51);
    art::Envelope(fizzle, 0.1, 0.5, 2.5);
    art::MixInto(out, fizzle, 0.7, 0.18f);
    return Finish(out);
}

// The crowd's cheer after a sequence: noise voices swelling and a chime on top.
Sound GoodSequence() {
    Sound crowd = art::Noise(1.3, 0.7, 61);
    art::Envelope(crowd, 0.25, 0.6, 0.8);
    Sound voices = art::Noise(1.1, 0.9, 62);
    art::Envelope(voices, 0.35, 0.5, 0.5);
    art::MixInto(crowd, voices, 0.1, 0.7f);
    art::MixInto(crowd, Notes({kD6, kFs6}, 0.12, 0.6), 0.05, 1.2f);
    return Finish(crowd);
}

Sound HighScore() {
    Sound out = Notes({kD5, kFs5, kA5, kD6, kA5, kD6, kFs6}, 0.1, 0.6);
    art::MixInto(out, Glint(kD6 * 2, 0.9, 3), 0.62, 0.4f);
    art::MixInto(out, Crackle(0.7, 35, 71), 0.6, 0.3f);
    return Finish(out);
}

// A dud: a short hiss and a falling tone.
Sound Mistake() {
    Sound hiss = art::Noise(0.35, 0.3, 81);
    art::Envelope(hiss, 0.005, 0.15, 8);
    Sound drop = art::Tone(kFs4, kD4 * 0.6, 0.45, art::Wave::Triangle);
    art::Envelope(drop, 0.01, 0.15, 3);
    art::MixInto(hiss, drop, 0.05, 1.0f);
    return Finish(hiss);
}

Sound BeepBeep() {
    Sound beep = art::Tone(kE6, kE6, 0.09, art::Wave::Square);
    art::Envelope(beep, 0.003, 0.02, 6);
    Sound out = art::Repeated(beep, 2, 0.14, 0.35f);
    art::MixInto(out, Glint(kB5, 0.3), 0.14, 0.3f);
    return Finish(out);
}

// Each recipe registers itself as it is made.
const art::SoundRecipe kSounds[] = {
    {"snd-explode1.wav", ExplodeSmall}, {"snd-explode2.wav", ExplodeBig},   {"snd-fire1.wav", FireWhistle},
    {"snd-fire2.wav", FireOrdinary},    {"snd-gameopen.wav", GameOpen},     {"snd-gameover.wav", GameOver},
    {"snd-gamestart.wav", GameStart},   {"snd-goodseq.wav", GoodSequence},  {"snd-highscore.wav", HighScore},
    {"snd-mistake.wav", Mistake},       {"snd-beepbeep.wav", BeepBeep},
};

}  // namespace
