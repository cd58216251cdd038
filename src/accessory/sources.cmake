# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
