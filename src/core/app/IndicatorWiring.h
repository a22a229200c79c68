#pragma once

class PlayerApplication;

// Lights the skin's indicator groups that follow other windows: 3 the lyrics
// window is shown, 4 a tag window is open, 8 the current song has lyrics. They
// are lit again after every skin section is applied (the new face starts dark).
void ConnectWindowIndicators(PlayerApplication& player);
