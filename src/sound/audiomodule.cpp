// The entry point of the audio module: the program loads it on its first sound.

#include "audiosinkdevice.h"

extern "C" Q_DECL_EXPORT WaveOutDevice* sorbelloMakeAudioOutput() {
    return new AudioSinkDevice;
}
