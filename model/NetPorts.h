#pragma once
// The port base of the network programs: the judgment listens on the base
// itself, the game on base + 1 .. base + 12. MERCAVO_PORT_BASE moves it, so
// that tests running side by side do not collide.

constexpr int kDefaultNetPortBase = 1112;
// The most ports a program uses above the base.
constexpr int kNetPortsAboveBase = 12;

int NetPortBase();
