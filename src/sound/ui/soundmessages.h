#pragma once

class SoundOutput;

// Shows the error reports of the sound output in message boxes, at the moment it reports them.
void connectSoundMessages(SoundOutput& sound);
