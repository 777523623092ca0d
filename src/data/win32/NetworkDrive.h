#pragma once
// Audio is never read from the network: a drive letter tells where a path lies.

// Whether drive letter `drive` names a network drive.
bool isNetworkDrive(char16_t drive);
