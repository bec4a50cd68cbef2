// Resource identifiers shared by the .rc file and the code.
#pragma once

#define IDI_APP 1

// Pictures: PNG files (RCDATA, 8-bit RGB), the sizes below being those of
// the 96-dpi set. Where a picture is drawn with a transparent colour, that
// colour is the one of its lower-left pixel.
#define IDB_CATALOGUE 101      // 26 catalogue pictures, 32 x 32 each, in one 832 x 32 strip
#define IDB_CLOSE 102          // red cross, 22 x 22
#define IDB_READER 103         // reader emblem with an arrow, 48 x 48
#define IDB_ENVELOPE 104       // open envelope, 32 x 32
#define IDB_MAGNIFIER 105      // magnifier with an eye, 32 x 32
#define IDB_WORKER 106         // worker with a pitchfork on white, 269 x 270
#define IDB_ARROW_LEFT 107     // blue arrow pointing left, 32 x 32
#define IDB_VIDEO_TOOLBAR 108  // play, pause, stop: three 16 x 16 pictures in one 48 x 16 strip
#define IDB_READ_DOC 109       // the read button's document picture, 32 x 32

// Each set of pictures, identified by the picture's identifier plus the
// set's offset: the 96-dpi set at the sizes above, and the sets drawn for
// screens of a higher resolution at 150 % and 200 % of them. The video
// toolbar is in the 96-dpi set only.
#define IDB_SET_100 0
#define IDB_SET_150 1000
#define IDB_SET_200 2000
