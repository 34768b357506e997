#pragma once

class TSoundAusgabe;

// Shows the error reports of the sound output in message boxes, at the moment it reports them.
void connectSoundMessages(TSoundAusgabe& sound);
