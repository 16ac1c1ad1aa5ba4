// Dunmoro's sounds: crisp card snaps and riffles, and bright bell tones in a pentatonic scale
// for Master Oru's mountain. Each ends in silence and peaks at -3 dBFS.
#include <initializer_list>

#include "art/ArtRegistry.h"

namespace {

using art::Sound;

// Notes of the game's scale.
constexpr double kC5 = 523.25, kD5 = 587.33, kE5 = 659.25, kG5 = 783.99, kA5 = 880.0, kC6 = 1046.5, kD6 = 1174.7,
                 kE6 = 1318.5, kG4 = 392.0, kA4 = 440.0, kE4 = 329.63, kC4 = 261.63;

Sound Finish(const Sound& sound, float pan = 0) { return art::ReadyToShip(sound, pan); }

// A small bell: the note with its inharmonic partials, a fast attack and a ringing decay.
Sound Bell(double hertz, double seconds, double decay = 4.0) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 2.0, hertz * 2.0, seconds), 0, 0.35f);
    art::MixInto(note, art::Tone(hertz * 2.76, hertz * 2.76, seconds * 0.6), 0, 0.18f);
    art::MixInto(note, art::Tone(hertz * 5.4, hertz * 5.4, seconds * 0.3), 0, 0.08f);
    art::Envelope(note, 0.003, 0.06, decay);
    return note;
}

// One card hitting the table: a short bright noise burst over a woody knock.
Sound Snap(double pitch, uint32_t seed) {
    Sound snap = art::Noise(0.03, 0.15, seed);
    art::Envelope(snap, 0.0008, 0.01, 120);
    Sound knock = art::Tone(pitch, pitch * 0.6, 0.05, art::Wave::Triangle);
    art::Envelope(knock, 0.001, 0.02, 60);
    art::MixInto(snap, knock, 0, 0.7f);
    return snap;
}

Sound Notes(std::initializer_list<double> notes, double step, double length, double decay) {
    return art::Melody(notes, step, [&](double hertz) { return Bell(hertz, length, decay); }, 0.55f);
}

Sound MoveLegal() { return Finish(Snap(340, 3), 0.1f); }

Sound MoveIllegal() {
    Sound out;
    for (int i = 0; i < 2; ++i) {
        Sound bonk = art::Tone(190 - 30 * i, 150 - 30 * i, 0.11, art::Wave::Square);
        art::Envelope(bonk, 0.002, 0.04, 14);
        art::MixInto(out, bonk, 0.13 * i, 0.35f);
    }
    Sound body = art::Tone(95, 80, 0.26);
    art::Envelope(body, 0.002, 0.08, 8);
    art::MixInto(out, body, 0, 0.6f);
    return Finish(out);
}

// The deck being riffled and dealt.
Sound NewBoard() {
    Sound out;
    for (int i = 0; i < 16; ++i) {
        const double at = 0.028 * i + 0.004 * (i % 3);
        art::MixInto(out, Snap(300 + 25 * (i % 5), 11 + i), at, 0.45f + 0.03f * (i % 4));
    }
    art::MixInto(out, Snap(260, 99), 0.5, 0.9f);
    return Finish(out, -0.05f);
}

Sound GameStart() { return Finish(Notes({kC5, kD5, kE5, kG5, kA5, kC6}, 0.085, 0.7, 4.5)); }

// A soft gong with a bell on top: the game opens.
Sound NewGame() {
    Sound gong = art::Tone(110, 104, 1.6);
    art::MixInto(gong, art::Tone(110 * 2.4, 110 * 2.35, 1.4), 0, 0.4f);
    art::MixInto(gong, art::Tone(110 * 3.9, 110 * 3.85, 1.0), 0, 0.2f);
    art::MixInto(gong, art::Noise(0.08, 0.6, 5), 0, 0.25f);
    art::Envelope(gong, 0.01, 0.2, 2.2);
    art::MixInto(gong, Notes({kG5, kC6, kE6}, 0.16, 1.0, 3.0), 0.15, 0.8f);
    return Finish(gong);
}

Sound LevelCleared() {
    Sound out = Notes({kC5, kE5, kG5, kC6, kE6}, 0.1, 0.9, 3.5);
    art::MixInto(out, Bell(kC6, 1.2, 2.5), 0.5, 0.5f);
    art::MixInto(out, Bell(kG5, 1.2, 2.5), 0.5, 0.4f);
    return Finish(out);
}

Sound LevelNotCleared() {
    Sound out = Notes({kA4, kG4, kE4, kC4}, 0.17, 0.8, 4.0);
    return Finish(out);
}

// A fanfare of bells over the noise of a cheering crowd.
Sound ChallengeWon() {
    Sound out = Notes({kC5, kE5, kG5, kC6}, 0.12, 0.9, 3.0);
    art::MixInto(out, Notes({kG5, kC6, kE6, kG5 * 2}, 0.12, 1.2, 2.2), 0.55, 0.9f);
    art::MixInto(out, Notes({kC6, kE6, kD6, kE6}, 0.09, 1.0, 2.0), 1.1, 0.7f);
    Sound crowd = art::Noise(1.9, 0.55, 21);
    art::Envelope(crowd, 0.4, 0.7, 0.3);
    art::MixInto(out, crowd, 0.35, 0.22f);
    for (int i = 0; i < 12; ++i) art::MixInto(out, Snap(900 + 60 * (i % 4), 40 + i), 0.45 + 0.11 * i, 0.12f);
    return Finish(out);
}

// A quick whoosh as the table is cleared for the mode screen.
Sound ModeChange() {
    Sound whoosh = art::Noise(0.32, 0.7, 13);
    art::Envelope(whoosh, 0.12, 0.16, 0);
    Sound sweep = art::Tone(300, 900, 0.32, art::Wave::Sine);
    art::Envelope(sweep, 0.1, 0.15, 0);
    art::MixInto(whoosh, sweep, 0, 0.25f);
    return Finish(whoosh, 0.15f);
}

Sound Confirm() {
    Sound blip = Bell(kE6, 0.16, 22);
    art::MixInto(blip, Snap(420, 17), 0, 0.3f);
    return Finish(blip);
}

const art::SoundRecipe challengeWon{"ChallengeWon.wav", ChallengeWon};
const art::SoundRecipe confirm{"Confirm.wav", Confirm};
const art::SoundRecipe gameStart{"GameStart.wav", GameStart};
const art::SoundRecipe levelCleared{"LevelCleared.wav", LevelCleared};
const art::SoundRecipe levelNotCleared{"LevelNotCleared.wav", LevelNotCleared};
const art::SoundRecipe modeChange{"ModeChange.wav", ModeChange};
const art::SoundRecipe moveIllegal{"MoveIllegal.wav", MoveIllegal};
const art::SoundRecipe moveLegal{"MoveLegal.wav", MoveLegal};
const art::SoundRecipe newBoard{"NewBoard.wav", NewBoard};
const art::SoundRecipe newGame{"NewGame.wav", NewGame};

}  // namespace
