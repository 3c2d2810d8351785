// The language flags: "BITMAP_FLAGS", 230 frames of 25 × 15 in one 8-bit palette strip, in the order of
// the program's flag-code index, and "BITMAP_FLAGSMASK", its 1-bit mask (one frame wider; white is
// see-through).
//
// Each flag is drawn on the frame's top-left 24 × 14 pixels (the size of the menu's flag box) from a line
// of a small drawing language, so the table below reads like a description of the flag:
//   h C…            equal horizontal stripes, top to bottom     v C…    equal vertical stripes
//   hw w C w C…     weighted horizontal stripes                 vw …    weighted vertical stripes
//   r x y w h C     rectangle                                   p x y x y … C   polygon
//   c x y r C       disc                                        e x y rx ry C [deg]   ellipse
//   ring x y r w C  circle line                                 pie x y r a0 a1 C     sector (degrees)
//   s x y r C [deg] five-pointed star                           sr x y R n r C  n stars on a circle
//   cr x y r C dx r2 [deg]  crescent: disc minus a disc moved by dx (turned by deg about the centre)   l x0 y0 x1 y1 w
//   C     straight band ps w x y … C    closed polygon line                         nc C x w        Nordic cross (bars
//   of width w) x C w           saltire                                     + C w           centred cross uj x y w h
//   the Union Flag in a rectangle               ens C           an ensign: field C, Union Flag canton
// Coordinates are pixels of the 24 × 14 flag; colours are the letters of kNamed or #RRGGBB.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "tools/artgen/catalog.h"

namespace velpiners::artgen {

namespace {

constexpr int kFlagW = 24;
constexpr int kFlagH = 14;
constexpr int kFrameW = 25;
constexpr int kFrameH = 15;

struct FlagDef {
    const char* code;
    const char* drawing;
};

// Country codes in the order of the flag-code index; "tg" stands twice there.
const FlagDef kFlags[] = {
    {"ad", "v B Y R; e 12 7 2.2 2.6 #C09300; e 12 7 1.3 1.7 R"},
    {"ae", "h #00732F W K; r 0 0 6.5 14 R"},
    {"af", "v K #D32011 #007A36; ring 12 7 2.6 0.9 W"},
    {"ag",
     "r 0 0 24 14 R; p 3 0 21 0 12 14 W; p 3 0 21 0 17.5 5.5 6.5 5.5 K; c 12 5.4 2.4 Y; p 6.5 5.5 17.5 5.5 15.6 8.5 "
     "8.4 8.5 #0072C6"},
    {"ai",
     "ens N; e 18 7.6 2.6 3.2 W; p 15.4 8.6 20.6 8.6 20 10.4 18 11 16 10.4 #00A1DE; c 17 6.6 0.8 #F18A00; c 19 6.6 0.8 "
     "#F18A00"},
    {"al",
     "r 0 0 24 14 #E41E20; p 12 2.4 13.4 4.2 16.4 2.6 15.6 5.6 17.6 5.4 15 8.2 13.6 8.4 14.6 11.2 12 12.4 9.4 11.2 "
     "10.4 8.4 9 8.2 6.4 5.4 8.4 5.6 7.6 2.6 10.6 4.2 K"},
    {"am", "h #D90012 #0033A0 #F2A800"},
    {"an", "r 0 0 24 14 W; r 0 5 24 4 #012A87; r 10 0 4 14 #DC171D; s 4 7 1.3 W; s 18 7 1.3 W; s 21 7 1.3 W"},
    {"ao", "h #CC092F K; ring 12 7 3 0.9 #FFCB00; s 12.4 6.6 1.3 #FFCB00; l 9.8 9.4 14.6 4.6 0.9 #FFCB00"},
    {"aq", "r 0 0 24 14 #3A7DCE; p 7 4.5 10 3 14 3.5 17 3 18.5 5 17 7 18 9.5 15 11 11 10.2 8 11 6 9 7 7 W"},
    {"ar", "h #74ACDF W #74ACDF; c 12 7 1.7 #F6B40E; ring 12 7 2.2 0.5 #F6B40E"},
    {"as", "r 0 0 24 14 #002B7F; p 24 0 24 14 1.5 7 #BF0A30; p 24 1.3 24 12.7 4.2 7 W; e 16 7 3 1.2 #8B5A2B -20"},
    {"at", "h #ED2939 W #ED2939"},
    {"au", "ens N; s 6 10.6 2 W; s 18 2.6 0.9 W; s 21.4 5.8 0.9 W; s 15 6.4 0.9 W; s 18 11.6 1 W; s 19.6 8 0.5 W"},
    {"aw", "r 0 0 24 14 #418FDE; r 0 8.9 24 0.9 #F9D616; r 0 10.7 24 0.9 #F9D616; s 4.5 4 2.4 W; s 4.5 4 1.7 #EF3340"},
    {"az", "h #00B5E2 #EF3340 #509E2F; cr 11 7 2.2 W 0.8 1.8; s 14 7 0.9 W"},
    {"ba",
     "r 0 0 24 14 #002395; p 7 0 19 0 19 14 #FECB00; s 4.6 1 0.9 W; s 6.6 3.2 0.9 W; s 8.6 5.4 0.9 W; s 10.6 7.6 0.9 "
     "W; s 12.6 9.8 0.9 W; s 14.6 12 0.9 W"},
    {"bb", "vw 1 #00267F 1 #FFC726 1 #00267F; r 11.4 3.5 1.2 8 K; r 9 7.2 6 1 K; r 9 4 1 4 K; r 14 4 1 4 K"},
    {"bd", "r 0 0 24 14 #006A4E; c 10.8 7 4.3 #F42A41"},
    {"be", "v K #FDDA24 #EF3340"},
    {"bf", "h #EF2B2D #009E49; s 12 7 2.2 #FCD116"},
    {"bg", "h W #00966E #D62612"},
    {"bh", "r 0 0 24 14 #CE1126; p 0 0 6 0 9 1.4 6 2.8 9 4.2 6 5.6 9 7 6 8.4 9 9.8 6 11.2 9 12.6 6 14 0 14 W"},
    {"bi",
     "r 0 0 24 14 #1EB53A; p 0 0 24 0 12 7 #CE1126; p 0 14 24 14 12 7 #CE1126; x W 2.2; c 12 7 3.4 W; s 12 5.4 0.8 "
     "#CE1126; s 10.6 7.9 0.8 #CE1126; s 13.4 7.9 0.8 #CE1126"},
    {"bj", "hw 1 #FCD116 1 #E8112D; r 0 0 9.6 14 #008751"},
    {"bm", "ens #C8102E; e 18 7.6 2.4 3 W; p 15.6 8.4 20.4 8.4 18 11 #C8102E"},
    {"bn",
     "r 0 0 24 14 #F7E017; p 0 2.5 0 6.5 24 13 24 9 W; p 0 6.5 0 9.5 24 16 24 13 K; c 12 7 2.6 #CF1126; cr 12 7.6 2 "
     "#F7E017 1 1.8 -90"},
    {"bo", "h #D52B1E #F9E300 #007934"},
    {"br", "r 0 0 24 14 #009C3B; p 12 1.4 22.4 7 12 12.6 1.6 7 #FFDF00; c 12 7 3.4 #002776; l 8.7 6.2 15.3 7.8 0.7 W"},
    {"bs", "h #00ABC9 #FFC72C #00ABC9; p 0 0 9.5 7 0 14 K"},
    {"bt", "r 0 0 24 14 #FFD520; p 24 0 24 14 0 14 #FF4E12; e 12 7.2 6 2 W -30; c 8.2 9.2 1.2 W"},
    {"bv", "r 0 0 24 14 #BA0C2F; nc W 8.5 3.6; nc #00205B 8.5 1.8"},
    {"bw", "hw 9 #75AADB 1 W 4 K 1 W 9 #75AADB"},
    {"by",
     "hw 2 #C8313E 1 #4AA657; r 0 0 3.4 14 W; p 1.7 0.6 2.9 2.3 1.7 4 0.5 2.3 #C8313E; p 1.7 5 2.9 7 1.7 9 0.5 7 "
     "#C8313E; p 1.7 10 2.9 11.7 1.7 13.4 0.5 11.7 #C8313E"},
    {"bz", "hw 1 #CE1126 12 #003F87 1 #CE1126; c 12 7 4.2 W; ring 12 7 3.6 0.8 #3A7728; c 12 7 1.6 #5B8C3A"},
    {"ca",
     "vw 1 #D52B1E 2 W 1 #D52B1E; p 12 2.2 13 4 14.4 3.4 14 6 16.2 4.8 16.6 6 17.6 5.8 17 7.6 17.8 8 15 10 15.4 10.8 "
     "12.4 10.4 12.4 12.4 11.6 12.4 11.6 10.4 8.6 10.8 9 10 6.2 8 7 7.6 6.4 5.8 7.4 6 7.8 4.8 10 6 9.6 3.4 11 4 "
     "#D52B1E"},
    {"cc",
     "r 0 0 24 14 #008000; c 5.5 5.5 3 #FFE000; c 5.5 5.5 1.6 #008000; cr 12.5 7 2.2 #FFE000 0.9 1.9; s 18 2.6 0.9 "
     "#FFE000; s 21 6 0.9 #FFE000; s 18 11.4 0.9 #FFE000; s 15.4 7 0.9 #FFE000"},
    {"cd", "r 0 0 24 14 #007FFF; l -1 14.6 25 -0.6 5 #F7D618; l -1 14.6 25 -0.6 3.4 #CE1021; s 4 3.6 2.2 #F7D618"},
    {"cf", "h #003082 W #289728 #FFCE00; r 10.4 0 3.2 14 #D21034; s 4 1.8 1.3 #FFCE00"},
    {"cg", "r 0 0 24 14 #FBDE4A; p 0 0 14 0 0 14 #009543; p 24 0 24 14 10 14 #DC241F"},
    {"ch", "r 0 0 24 14 #DA291C; r 10.6 2.6 2.8 8.8 W; r 7.6 5.6 8.8 2.8 W"},
    {"ci", "v #F77F00 W #009E60"},
    {"ck", "ens #00247D; sr 18 7 3.7 12 0.7 W"},
    {"cl", "hw 1 W 1 #D52B1E; r 0 0 8 7 #0039A6; s 4 3.6 1.9 W"},
    {"cm", "v #007A5E #CE1126 #FCD116; s 12 7 2 #FCD116"},
    {"cn",
     "r 0 0 24 14 #EE1C25; s 4 3.6 2.4 #FFFF00; s 8 1.5 0.8 #FFFF00 20; s 9.6 3 0.8 #FFFF00 45; s 9.6 5.2 0.8 #FFFF00; "
     "s 8 6.6 0.8 #FFFF00 20"},
    {"co", "hw 2 #FCD116 1 #003893 1 #CE1126"},
    {"cr", "hw 1 #002B7F 1 W 2 #CE1126 1 W 1 #002B7F"},
    {"cs", "h #0C4076 W #C6363C"},
    {"cu", "h #002A8F W #002A8F W #002A8F; p 0 0 10.5 7 0 14 #CF142B; s 3.6 7 1.9 W"},
    {"cv", "hw 6 #003893 1 W 1 #CF2027 1 W 3 #003893; sr 9 8.6 3.6 10 0.6 #F7D116"},
    {"cx",
     "r 0 0 24 14 #0021AD; p 0 0 24 0 24 14 #1C8A42; s 3 4 0.8 W; s 5 8 0.8 W; s 2 10.6 0.8 W; s 6.6 11.4 0.6 W; c 12 "
     "7 2.6 #FFC639; c 12 7 1.3 #1C8A42; e 18 4.4 2.4 0.8 #FFC639 -20"},
    {"cy",
     "r 0 0 24 14 W; p 6 6.4 9 4.4 14 4 18 3.2 17.4 5 14 6.6 11 7.4 7.6 7.6 #D57800; e 9.5 10.3 3 0.8 #4E5B31 10; e "
     "14.5 10.3 3 0.8 #4E5B31 -10"},
    {"cz", "hw 1 W 1 #D7141A; p 0 0 12 7 0 14 #11457E"},
    {"de", "h K #DD0000 #FFCE00"},
    {"dj", "h #6AB2E7 #12AD2B; p 0 0 12 7 0 14 W; s 4 7 1.6 #D7141A"},
    {"dk", "r 0 0 24 14 #C8102E; nc W 8.5 2.6"},
    {"dm",
     "r 0 0 24 14 #006B3F; r 9.6 0 1.6 14 #FCD116; r 11.2 0 1.6 14 K; r 12.8 0 1.6 14 W; r 0 4.6 24 1.6 #FCD116; r 0 "
     "6.2 24 1.6 K; r 0 7.8 24 1.6 W; c 12 7 3.4 #D41C30; sr 12 7 2.7 10 0.45 #3A9D3A; e 12 7 1 1.5 #5B2A86"},
    {"do",
     "r 0 0 24 14 W; r 0 0 10.4 5.6 #002D62; r 13.6 0 10.4 5.6 #CE1126; r 0 8.4 10.4 5.6 #CE1126; r 13.6 8.4 10.4 5.6 "
     "#002D62; c 12 7 1.2 #1F7A3A"},
    {"dz", "v #006233 W; cr 12.6 7 3.6 #D21034 1.1 3; s 14 7 1.5 #D21034 -18"},
    {"ec", "hw 2 #FFDD00 1 #034EA2 1 #ED1C24; e 12 6.6 1.8 2.2 #7A5C2E; e 12 6.4 1.1 1.4 #5DA9E9"},
    {"ee", "h #0072CE K W"},
    {"eg", "h #CE1126 W K; e 12 7 1.2 1.6 #C09300"},
    {"eh", "h K W #007A3D; p 0 0 9 7 0 14 #C4111B; cr 13 7 2.4 #C4111B -0.9 2; s 13.4 7 1.1 #C4111B"},
    {"er", "h #12AD2B #4189DD; p 0 0 24 7 0 14 #EA0437; ring 6 7 2.6 0.7 #FFC726; r 5.6 5 0.8 4.4 #FFC726"},
    {"es", "hw 1 #AA151B 2 #F1BF00 1 #AA151B; r 5.4 5 2.6 3.6 #AA151B; r 5.8 4.2 1.8 0.8 #C09300"},
    {"et", "h #078930 #FCDD09 #DA121A; c 12 7 3.2 #0F47AF; s 12 7.2 2.3 #FCDD09"},
    {"eu", "r 0 0 24 14 #003399; sr 12 7 4.4 12 0.85 #FFCC00"},
    {"fi", "r 0 0 24 14 W; nc #002F6C 8.5 3.4"},
    {"fj",
     "ens #68BFE5; r 15.6 4 5 6 W; p 15.6 10 20.6 10 18.1 12 W; r 15.6 4 5 1.6 #CE1126; r 17.6 4 1 7 #CE1126; r 15.6 "
     "6.6 5 0.8 #CE1126"},
    {"fk", "ens #012169; e 18 7.4 2.6 3.2 #0A66C2; e 18 6.4 1.6 1.2 W; r 15.6 8.4 4.8 0.8 W; r 15.6 9.8 4.8 0.8 W"},
    {"fm", "r 0 0 24 14 #75B2DD; s 12 3 1.4 W; s 12 11 1.4 W; s 8 7 1.4 W; s 16 7 1.4 W"},
    {"fo", "r 0 0 24 14 W; nc #0065BD 8.5 3.6; nc #EF303E 8.5 1.8"},
    {"fr", "v #002395 W #ED2939"},
    {"ga", "h #009E60 #FCD116 #3A75C4"},
    {"gd",
     "r 0 0 24 14 #CE1126; r 2.2 2.2 19.6 9.6 #007A5E; p 2.2 2.2 21.8 2.2 12 7 #FCD116; p 2.2 11.8 21.8 11.8 12 7 "
     "#FCD116; c 12 7 1.8 #CE1126; s 12 7 1.1 #FCD116; s 6 1.1 0.8 #FCD116; s 12 1.1 0.8 #FCD116; s 18 1.1 0.8 "
     "#FCD116; s 6 12.9 0.8 #FCD116; s 12 12.9 0.8 #FCD116; s 18 12.9 0.8 #FCD116; c 5 7 0.9 #E5701C"},
    {"ge",
     "r 0 0 24 14 W; + #FF0000 2.6; r 4.6 2 1 3.2 #FF0000; r 3.5 3.1 3.2 1 #FF0000; r 18.4 2 1 3.2 #FF0000; r 17.3 3.1 "
     "3.2 1 #FF0000; r 4.6 8.8 1 3.2 #FF0000; r 3.5 9.9 3.2 1 #FF0000; r 18.4 8.8 1 3.2 #FF0000; r 17.3 9.9 3.2 1 "
     "#FF0000"},
    {"gh", "h #CE1126 #FCD116 #006B3F; s 12 7 2.1 K"},
    {"gi",
     "hw 2 W 1 #DA000C; r 9 3 6 5 #DA000C; r 8.4 2 1.8 2 #DA000C; r 11.1 1.2 1.8 2 #DA000C; r 13.8 2 1.8 2 #DA000C; r "
     "11.4 6 1.2 2 K; l 11.6 8.6 11.6 11 0.8 #F8D80F"},
    {"gl", "hw 1 W 1 #C8102E; pie 9 7 4 180 360 #C8102E; pie 9 7 4 0 180 W"},
    {"gm", "hw 6 #CE1126 1 W 4 #0C1C8C 1 W 6 #3A7728"},
    {"gn", "v #CE1126 #FCD116 #009460"},
    {"gq", "h #3E9A00 W #E32118; p 0 0 6 7 0 14 #0073CE; r 11 5.6 2 2.8 #9C9C9C"},
    {"gr",
     "h #0D5EAF W #0D5EAF W #0D5EAF W #0D5EAF W #0D5EAF; r 0 0 9.3 7.8 #0D5EAF; r 3.7 0 1.9 7.8 W; r 0 2.95 9.3 1.9 W"},
    {"gs", "ens #012169; e 18 7.6 2.6 3.2 #3A7DCE; e 18 6.6 1.3 1.5 #C09300; r 15.8 9 4.4 0.8 W"},
    {"gt", "v #4997D0 W #4997D0; ring 12 7 2.2 0.6 #5C9C3A; e 12 7 1 1.3 #3A8A4A"},
    {"gu",
     "r 0 0 24 14 #C62139; r 0.8 0.8 22.4 12.4 #00297B; e 12 7 3 4.2 #C62139; e 12 7 2.4 3.6 #6CB4EE; r 11.6 5 0.8 3.6 "
     "#8B5A2B; e 12 9.4 2.2 1 #E4C65C"},
    {"gw", "h #FCD116 #009E49; r 0 0 8.4 14 #CE1126; s 4.2 7 2.1 K"},
    {"gy",
     "r 0 0 24 14 #009E49; p 0 0 24 7 0 14 W; p 0 0.8 22.4 7 0 13.2 #FCD116; p 0 0 12 7 0 14 K; p 0 1 10.6 7 0 13 "
     "#CE1126"},
    {"hk",
     "r 0 0 24 14 #DE2910; e 12 4.9 1.1 2.2 W 0; e 14 6.3 1.1 2.2 W 72; e 13.2 8.7 1.1 2.2 W 144; e 10.8 8.7 1.1 2.2 W "
     "216; e 10 6.3 1.1 2.2 W 288"},
    {"hm", "ens N; s 6 10.6 2 W; s 18 2.6 0.9 W; s 21.4 5.8 0.9 W; s 15 6.4 0.9 W; s 18 11.6 1 W; s 19.6 8 0.5 W"},
    {"hh", "h #CFD8DC #ECEFF1 #CFD8DC; ring 12 7 3 0.9 #90A4AE"},
    {"hr",
     "h #FF0000 W #171796; r 9.8 4 4.4 5.2 W; r 9.8 4 1.1 1.3 #FF0000; r 12 4 1.1 1.3 #FF0000; r 10.9 5.3 1.1 1.3 "
     "#FF0000; r 13.1 5.3 1.1 1.3 #FF0000; r 9.8 6.6 1.1 1.3 #FF0000; r 12 6.6 1.1 1.3 #FF0000; r 10.9 7.9 1.1 1.3 "
     "#FF0000; r 13.1 7.9 1.1 1.3 #FF0000; r 9.8 3 4.4 1 #3F7DCF"},
    {"ht", "h #00209F #D21034; r 9.2 4.6 5.6 4.8 W; r 11.6 5.4 0.8 2.6 #016A16; e 12 8 2 0.8 #016A16"},
    {"hu", "h #CE2939 W #477050"},
    {"id", "h #CE1126 W"},
    {"ie", "v #169B62 W #FF883E"},
    {"il",
     "r 0 0 24 14 W; r 0 1.4 24 2 #0038B8; r 0 10.6 24 2 #0038B8; ps 0.7 12 4 14.6 8.6 9.4 8.6 #0038B8; ps 0.7 12 10 "
     "9.4 5.4 14.6 5.4 #0038B8"},
    {"in", "h #FF9933 W #138808; ring 12 7 1.9 0.5 #000080; c 12 7 0.5 #000080"},
    {"io",
     "h W #2B5EA8 W #2B5EA8 W #2B5EA8 W; uj 0 0 12 7; r 17.6 5 0.8 6 #6B4226; e 18 5 2.6 0.9 #2E8B57 -20; e 18 5 2.6 "
     "0.9 #2E8B57 20"},
    {"iq", "h #CE1126 W K; r 8.4 6 1 2 #007A3D; r 10.4 6.6 3.4 1 #007A3D; r 14.6 6 1 2 #007A3D; s 12 6 0.5 #007A3D"},
    {"ir", "h #239F40 W #DA0000; ring 12 7 1.3 0.6 #DA0000; r 11.7 5.2 0.6 3.6 #DA0000"},
    {"is", "r 0 0 24 14 #02529C; nc W 8.5 3.6; nc #DC1E35 8.5 1.8"},
    {"it", "v #009246 W #CE2B37"},
    {"jm", "r 0 0 24 14 K; p 0 0 24 0 12 7 #009B3A; p 0 14 24 14 12 7 #009B3A; x #FED100 2.4"},
    {"jo", "h K W #007A3D; p 0 0 11 7 0 14 #CE1126; s 3.6 7 1.4 W"},
    {"jp", "r 0 0 24 14 W; c 12 7 4.2 #BC002D"},
    {"ke",
     "hw 6 K 1 W 4 #BB0000 1 W 6 #006600; e 12 7 2.3 5 #BB0000; e 12 7 0.9 4 K; l 9.6 2 14.4 12 0.5 W; l 14.4 2 9.6 12 "
     "0.5 W"},
    {"kg", "r 0 0 24 14 #E8112D; sr 12 7 3.3 20 0.7 #FFEF00; c 12 7 2.7 #FFEF00; ring 12 7 1.6 0.5 #E8112D"},
    {"kh",
     "hw 1 #032EA1 2 #E00025 1 #032EA1; p 7.4 9.6 16.6 9.6 16.6 8.4 15.4 8.4 15.2 6 14 6 13.6 4 12.6 3 12 2 11.4 3 "
     "10.4 4 10 6 8.8 6 8.6 8.4 7.4 8.4 W"},
    {"ki",
     "hw 7.4 #CE1126 1.1 W 1.1 #003F87 1.1 W 1.1 #003F87 1.1 W 1.2 #003F87; pie 12 7.4 3.4 180 360 #FCD116; e 12 2.6 "
     "3.6 0.8 #FCD116"},
    {"km",
     "h #FFC61E W #CE1126 #3A75C4; p 0 0 10 7 0 14 #3D8E33; cr 3.6 7 2.6 W 1 2.2; s 5.6 4.6 0.5 W; s 6 6.2 0.5 W; s 6 "
     "7.8 0.5 W; s 5.6 9.4 0.5 W"},
    {"kn",
     "r 0 0 24 14 #009E49; p 24 0 24 14 0 14 #CE1126; l -1 15 25 -1 5.4 #FCD116; l -1 15 25 -1 3.8 K; s 9 9 1.3 W; s "
     "15 5 1.3 W"},
    {"kp", "hw 3 #024FA2 1 W 11 #ED1C27 1 W 3 #024FA2; c 8 7 3 W; s 8 7.2 2.6 #ED1C27"},
    {"kr",
     "r 0 0 24 14 W; pie 12 7 3.4 180 360 #CD2E3A; pie 12 7 3.4 0 180 #0047A0; c 10.3 7 1.7 #CD2E3A; c 13.7 7 1.7 "
     "#0047A0; l 3.4 3.2 6 1.2 0.6 K; l 4 4 6.6 2 0.6 K; l 18 1.2 20.6 3.2 0.6 K; l 17.4 2 20 4 0.6 K; l 3.4 10.8 6 "
     "12.8 0.6 K; l 4 10 6.6 12 0.6 K; l 18 12.8 20.6 10.8 0.6 K; l 17.4 12 20 10 0.6 K"},
    {"kw", "h #007A3D W #CE1126; p 0 0 6 4.67 6 9.33 0 14 K"},
    {"ky",
     "ens #012169; e 18 7.6 2.6 3.2 W; r 15.6 5 4.8 1.8 #C8102E; r 15.6 8 4.8 0.7 #0A4FA8; r 15.6 9.4 4.8 0.7 #0A4FA8"},
    {"kz", "r 0 0 24 14 #00AFCA; c 12 6 2.6 #FEC50C; e 12 9.4 4 1 #FEC50C; r 1.2 0 1.4 14 #FEC50C"},
    {"la", "hw 1 #CE1126 2 #002868 1 #CE1126; c 12 7 2.7 W"},
    {"lb", "hw 1 #ED1C24 2 W 1 #ED1C24; p 12 3.6 15.8 9.6 8.2 9.6 #00A651; r 11.5 9.4 1 1.4 #00A651"},
    {"lc",
     "r 0 0 24 14 #65CFFF; p 12 1.6 16.6 12.4 7.4 12.4 W; p 12 2.8 15.8 12.4 8.2 12.4 K; p 12 7 16.4 12.4 7.6 12.4 "
     "#FCD116"},
    {"li", "h #002B7F #CE1126; p 3.4 4.6 3.6 2.4 4.6 3.4 5.4 1.6 6.2 3.4 7.2 2.4 7.4 4.6 #FFD83D"},
    {"lk",
     "r 0 0 24 14 #FFBE29; r 1 1 3 12 #00534E; r 4 1 3 12 #EB7400; r 7.8 1 15.2 12 #8D153A; e 15.4 7 3.4 3 #FFBE29; e "
     "15.4 7 2.2 1.8 #8D153A"},
    {"lr", "h #BF0A30 W #BF0A30 W #BF0A30 W #BF0A30 W #BF0A30 W #BF0A30; r 0 0 7.6 7.6 #002868; s 3.8 3.8 2.4 W"},
    {"ls", "hw 3 #00209F 4 W 3 #009543; p 12 4.6 15 8.8 9 8.8 K; r 9 8.4 6 0.8 K"},
    {"lt", "h #FDB913 #006A44 #C1272D"},
    {"lu", "h #ED2939 W #00A1DE"},
    {"lv", "hw 2 #9E3039 1 W 2 #9E3039"},
    {"ly", "hw 1 #E70013 2 K 1 #239E46; cr 11.6 7 2 W 0.7 1.6; s 13.6 7 0.8 W -18"},
    {"ma", "r 0 0 24 14 #C1272D; ps 0.8 12 3.2 15.6 10.6 9.9 6.0 14.1 6.0 8.4 10.6 #006233"},
    {"mc", "h #CE1126 W"},
    {"md", "v #0046AE #FFD200 #CC092F; e 12 7 2 2.6 #B07E09; r 11.2 6 1.6 2.2 #CC092F"},
    {"mg", "hw 1 #FC3D32 1 #007E3A; r 0 0 8 14 W"},
    {"mh", "r 0 0 24 14 #003893; p 0 14 24 0 24 2.4 #DD7500; p 0 14 24 2.4 24 4.8 W; s 5 4 2.1 W 0; s 5 4 1.6 W 45"},
    {"mk",
     "r 0 0 24 14 #D20000; p 0 0 3.6 0 12 7 #FFE600; p 20.4 0 24 0 12 7 #FFE600; p 0 14 3.6 14 12 7 #FFE600; p 20.4 14 "
     "24 14 12 7 #FFE600; p 0 5.6 0 8.4 12 7 #FFE600; p 24 5.6 24 8.4 12 7 #FFE600; p 10.6 0 13.4 0 12 7 #FFE600; p "
     "10.6 14 13.4 14 12 7 #FFE600; c 12 7 2.6 #D20000; c 12 7 2.1 #FFE600"},
    {"ml", "v #14B53A #FCD116 #CE1126"},
    {"mm", "h #FECB00 #34B233 #EA2839; s 12 7.6 4.4 W"},
    {"mn",
     "v #C4272F #015197 #C4272F; c 4 4 0.8 #F9CF02; r 2.8 5.2 2.4 0.6 #F9CF02; r 2.8 6.2 2.4 3.4 #F9CF02; r 3.6 6.8 "
     "0.8 2.2 #C4272F"},
    {"mo",
     "r 0 0 24 14 #00785E; e 12 8.2 2.6 1.6 W; e 10.8 7.4 1 1.8 W -30; e 13.2 7.4 1 1.8 W 30; r 8.6 10.2 6.8 0.6 W; s "
     "12 2.6 1.2 #FBD116; s 8.8 3.6 0.7 #FBD116; s 15.2 3.6 0.7 #FBD116; s 7 5.4 0.7 #FBD116; s 17 5.4 0.7 #FBD116"},
    {"mp", "r 0 0 24 14 #0071BC; r 11 5 2 6 #9EA3A7; ring 12 7 4.2 0.8 #5AA02C; s 12 6 1.7 W"},
    {"mr", "hw 1 #D01C1F 6 #00A95C 1 #D01C1F; cr 12 6.4 3.4 #FFD700 1.5 3 -90; s 12 5.2 1.1 #FFD700"},
    {"ms", "ens #012169; e 18 7.6 2.6 3.2 #3FA9F5; r 15.8 9.8 4.4 1.2 #6B4226; r 17.6 5 0.8 4.8 #6B4226"},
    {"mt", "v W #CF142B; r 1.6 1.2 3.2 3.2 #A0A0A0; r 2.8 1.6 0.8 2.4 W; r 2 2.4 2.4 0.8 W"},
    {"mu", "h #EA2839 #1A206D #FFD500 #00A551"},
    {"mv", "r 0 0 24 14 #D21034; r 4.4 3 15.2 8 #007E3A; cr 12.8 7 2.7 W 1.1 2.4"},
    {"mw", "h K #CE1126 #339E35; pie 12 4.6 2.6 180 360 #CE1126; sr 12 4.6 3.5 9 0.5 #CE1126"},
    {"mx", "v #006847 W #CE1126; e 12 7 1.6 1.9 #8B5A2B; e 12 8.6 2.1 0.6 #4E8A3A"},
    {"my",
     "h #CC0001 W #CC0001 W #CC0001 W #CC0001 W #CC0001 W #CC0001 W #CC0001 W; r 0 0 12 8 #010066; cr 4.6 4 2.8 "
     "#FFCC00 1 2.3; s 8.6 4 1.6 #FFCC00"},
    {"mz",
     "hw 5 #007168 0.6 W 3.6 K 0.6 W 5 #FCE100; p 0 0 10 7 0 14 #D21034; s 3.4 7 2.2 #FCE100; r 2.4 6.4 2 1.4 W; l 1.8 "
     "9 5 6 0.5 K"},
    {"na",
     "r 0 0 24 14 #003580; p 24 0 24 14 0 14 #009543; l -1 15 25 -1 5.2 W; l -1 15 25 -1 3.6 #D21034; sr 4.4 3.6 1.9 "
     "12 0.45 #FFCE00; c 4.4 3.6 1.5 #FFCE00"},
    {"ne", "h #E05206 W #0DB02B; c 12 7 1.9 #E05206"},
    {"nf", "vw 7 #007934 10 W 7 #007934; p 12 2.2 14.4 9.8 9.6 9.8 #007934; r 11.4 9.6 1.2 2 #007934"},
    {"ng", "v #008751 W #008751"},
    {"ni", "h #0067C6 W #0067C6; p 12 4.8 14 8.6 10 8.6 #3A9A3A; ring 12 7.2 2.6 0.5 #C8A200"},
    {"no", "r 0 0 24 14 #BA0C2F; nc W 8.5 3.6; nc #00205B 8.5 1.8"},
    {"np",
     "p 1 0 15.6 6.6 6.6 6.6 15.6 14 1 14 #003893; p 2.4 1.9 12.2 6.1 4.2 6.1 4.2 6.9 12.6 12.9 2.4 12.9 #DC143C; cr "
     "5.6 5.6 1.5 W 0.8 1.4 -90; s 5.6 10 1.3 W"},
    {"nr", "r 0 0 24 14 #002B7F; r 0 6.4 24 1.2 #FFC61E; sr 6.6 10.4 0.1 12 1.8 W; c 6.6 10.4 1.3 W"},
    {"nu", "r 0 0 24 14 #FEDD00; uj 0 0 12 7; c 6 3.5 1.4 #012169; s 6 3.5 1 #FEDD00"},
    {"nz",
     "ens #012169; s 18 3.2 1.3 W; s 18 3.2 0.9 #C8102E; s 15 6.6 1.2 W; s 15 6.6 0.8 #C8102E; s 21 6 1.2 W; s 21 6 "
     "0.8 #C8102E; s 18 11 1.4 W; s 18 11 1 #C8102E"},
    {"om",
     "h W #DB161B #008000; r 0 0 7 14 #DB161B; r 1.6 1.6 3.2 0.7 W; l 2 1.2 4.6 3.4 0.6 W; l 4.6 1.2 2 3.4 0.6 W"},
    {"pa", "r 0 0 24 14 W; r 12 0 12 7 #D21034; r 0 7 12 7 #005293; s 6 3.5 1.9 #005293; s 18 10.5 1.9 #D21034"},
    {"pe", "v #D91023 W #D91023"},
    {"pf", "hw 1 #CE1126 2 W 1 #CE1126; c 12 6.4 2.2 #FFC72C; r 9.6 7.6 4.8 0.8 #083D9C; r 9.6 8.8 4.8 0.8 #083D9C"},
    {"pg",
     "r 0 0 24 14 K; p 0 0 24 0 24 14 #CE1126; e 17 4.6 2.8 1.1 #FCD116 -25; s 6 6.4 0.9 W; s 4 9 0.9 W; s 8 9.6 0.9 "
     "W; s 6 12 0.9 W"},
    {"ph",
     "h #0038A8 #CE1126; p 0 0 12 7 0 14 W; sr 3.6 7 2 8 0.45 #FCD116; c 3.6 7 1.3 #FCD116; s 1.2 1.6 0.7 #FCD116; s "
     "1.2 12.4 0.7 #FCD116; s 9.4 7 0.7 #FCD116"},
    {"pk", "r 0 0 24 14 #01411C; r 0 0 6 14 W; cr 15.4 7.6 3.8 W 1.3 3.3 -40; s 17.4 5 1.3 W 20"},
    {"pl", "h W #DC143C"},
    {"pn", "ens #012169; e 18 7.6 2.6 3.2 #3F8A3A; p 15.6 6 20.4 6 18 9.6 #2E7FC0; r 17.6 3.4 0.8 3 #FFD100"},
    {"pr", "h #ED0000 W #ED0000 W #ED0000; p 0 0 12 7 0 14 #0050F0; s 4 7 2 W"},
    {"ps", "h K W #007A3D; p 0 0 10 7 0 14 #CE1126"},
    {"pt",
     "vw 2 #006600 3 #FF0000; c 9.6 7 3.2 #FFE000; c 9.6 7 2.2 #FF0000; r 8.6 5.6 2 2.8 W; ring 9.6 7 3 0.5 #C8A200"},
    {"pw", "r 0 0 24 14 #4AADD6; c 10.4 7 4 #FFDE00"},
    {"py", "h #D52B1E W #0038A8; ring 12 7 1.6 0.5 #4E8A3A; c 12 7 0.7 #F5D000"},
    {"qa",
     "r 0 0 24 14 #8A1538; p 0 0 6 0 9 0.8 6 1.6 9 2.3 6 3.1 9 3.9 6 4.7 9 5.4 6 6.2 9 7 6 7.8 9 8.6 6 9.3 9 10.1 6 "
     "10.9 9 11.7 6 12.4 9 13.2 6 14 0 14 W"},
    {"ro", "v #002B7F #FCD116 #CE1126"},
    {"ru", "h W #0039A6 #D52B1E"},
    {"rw",
     "hw 2 #00A1DE 1 #FAD201 1 #20603D; sr 19 3.6 2.4 24 0.5 #FAD201; c 19 3.6 1.6 #FAD201; ring 19 3.6 1.5 0.4 "
     "#00A1DE"},
    {"sa", "r 0 0 24 14 #006C35; r 6.4 4 11.2 1 W; r 7.2 5.6 9.6 0.8 W; r 6.4 9.2 11.2 0.9 W; r 16.4 8.6 1.2 1.8 W"},
    {"sb",
     "r 0 0 24 14 #0051BA; p 24 0 24 14 0 14 #215B33; l -1 15 25 -1 1.6 #FCD116; s 3 3 0.9 W; s 8 3 0.9 W; s 5.5 5 0.9 "
     "W; s 3 7 0.9 W; s 8 7 0.9 W"},
    {"sc",
     "r 0 0 24 14 #007A3D; p 0 14 0 0 8 0 #003F87; p 0 14 8 0 16 0 #FCD856; p 0 14 16 0 24 0 24 4.7 #D62828; p 0 14 24 "
     "4.7 24 9.3 W"},
    {"sd", "h #D21034 W K; p 0 0 9 7 0 14 #007229"},
    {"se", "r 0 0 24 14 #006AA7; nc #FECC00 8.5 2.8"},
    {"sg", "h #EF3340 W; cr 4.4 3.6 2.4 W 1 2.1; sr 6.4 3.6 1.4 5 0.5 W"},
    {"sh", "ens #012169; e 18 7.6 2.6 3.2 #3F8FD0; r 15.6 4.4 4.8 2.4 #FFD100; p 16 10 20 10 19 8.4 17 8.4 #6B4226"},
    {"si",
     "h W #005DA4 #ED1C24; p 5 2.4 9.8 2.4 9.8 6.6 7.4 8.6 5 6.6 #005DA4; p 5.6 6.2 6.8 4.4 7.4 5.4 8 4.4 9.2 6.2 7.4 "
     "7.6 W; r 6.8 2.8 1.2 1 #FFDD00"},
    {"sj", "r 0 0 24 14 #BA0C2F; nc W 8.5 3.6; nc #00205B 8.5 1.8"},
    {"sk",
     "h W #0B4EA2 #EE1C25; p 4.4 3.2 10.6 3.2 10.6 8.2 7.5 10.6 4.4 8.2 W; p 4.8 3.6 10.2 3.6 10.2 8 7.5 10.1 4.8 8 "
     "#EE1C25; r 7.1 4.4 0.8 4 W; r 6 5.1 3 0.7 W; r 5.6 6.3 3.8 0.7 W; pie 7.5 9.4 1.6 180 360 #0B4EA2"},
    {"sl", "h #1EB53A W #0072C6"},
    {"sm", "h W #5EB6E4; e 12 7 1.6 2 #C8A200; r 11.3 6 1.4 1.8 W"},
    {"sn", "v #00853F #FDEF42 #E31B23; s 12 7 2 #00853F"},
    {"so", "r 0 0 24 14 #4189DD; s 12 7 3.4 W"},
    {"sr", "hw 2 #377E3F 1 W 4 #B40A2D 1 W 2 #377E3F; s 12 7 2.3 #ECC81D"},
    {"st", "hw 1 #12AD2B 1 #FFCE00 1 #12AD2B; p 0 0 7 7 0 14 #D21034; s 12 7 1.5 K; s 17.4 7 1.5 K"},
    {"sv", "h #0F47AF W #0F47AF; p 12 5.2 13.8 8.4 10.2 8.4 #C8A200; ring 12 7 2.2 0.4 #4E8A3A"},
    {"sy", "h #CE1126 W K; s 8.8 7 1.5 #007A3D; s 15.2 7 1.5 #007A3D"},
    {"sz",
     "hw 3 #3E5EB9 1 #FFD900 6 #B10C0C 1 #FFD900 3 #3E5EB9; e 12 7 4.6 2 W; pie 12 7 2 90 270 K; r 12 5 2.6 4 K; e "
     "14.6 7 0.5 2 W; l 6 7 18 7 0.5 #FFD900"},
    {"tc", "ens #012169; e 18 7.6 2.6 3.2 #FFD100; e 18 6.4 0.9 1.1 #3A9A3A; e 17 8.6 0.8 0.6 #E87A90"},
    {"td", "v #002664 #FECB00 #C60C30"},
    {"tg", "h #006A4E #FFCE00 #006A4E #FFCE00 #006A4E; r 0 0 8.6 8.4 #D21034; s 4.3 4.2 2.4 W"},
    {"th", "hw 1 #A51931 1 W 2 #2D2A4A 1 W 1 #A51931"},
    {"tg", "h #006A4E #FFCE00 #006A4E #FFCE00 #006A4E; r 0 0 8.6 8.4 #D21034; s 4.3 4.2 2.4 W"},
    {"tk",
     "r 0 0 24 14 #00247D; p 3 11.4 21 11.4 19.6 12.6 4.4 12.6 #FED100; p 5 10.6 18 2.4 20 2.4 8 10.6 #FED100; s 4 3 "
     "0.9 W; s 6.4 5.6 0.9 W; s 3 7.4 0.9 W; s 8 1.8 0.8 W"},
    {"tl", "r 0 0 24 14 #DC241F; p 0 0 13 7 0 14 #FFC726; p 0 0 8.4 7 0 14 K; s 2.8 7 1.6 W -20"},
    {"tm",
     "r 0 0 24 14 #00843D; r 2.4 0 4.8 14 #D22630; p 3.4 1.4 4.8 2.6 6.2 1.4 6.2 3.8 4.8 5 3.4 3.8 #F2A900; p 3.4 5.8 "
     "4.8 7 6.2 5.8 6.2 8.2 4.8 9.4 3.4 8.2 #F2A900; p 3.4 10.2 4.8 11.4 6.2 10.2 6.2 12.6 4.8 13.6 3.4 12.6 #F2A900; "
     "cr 10.8 4.2 2.2 W 0.9 1.9; s 13.2 2.6 0.5 W; s 14 4.2 0.5 W; s 13.2 5.8 0.5 W"},
    {"tn", "r 0 0 24 14 #E70013; c 12 7 3.6 W; cr 11.6 7 2.7 #E70013 0.9 2.2; s 12.6 7 1.4 #E70013 -18"},
    {"to", "r 0 0 24 14 #C10000; r 0 0 10 7 W; r 4.4 1 1.6 5 #C10000; r 2.7 2.7 5 1.6 #C10000"},
    {"tr", "r 0 0 24 14 #E30A17; cr 9.2 7 3.6 W 1 3; s 13.4 7 1.7 W -18"},
    {"tt", "r 0 0 24 14 #DA1A35; l -1 -1 25 15 5.6 W; l -1 -1 25 15 3.8 K"},
    {"tv",
     "ens #009FCA; s 14 10.8 0.9 #FFCE00; s 16 12.4 0.9 #FFCE00; s 15.6 6.6 0.9 #FFCE00; s 18.4 8.8 0.9 #FFCE00; s "
     "19.8 4.4 0.9 #FFCE00; s 21.6 7 0.9 #FFCE00; s 22.2 2 0.9 #FFCE00; s 21.8 11.4 0.9 #FFCE00; s 17.6 2.4 0.9 "
     "#FFCE00"},
    {"tw", "r 0 0 24 14 #FE0000; r 0 0 12 7 #000095; sr 6 3.5 2.2 12 0.7 W; c 6 3.5 1.5 W; ring 6 3.5 1.3 0.4 #000095"},
    {"tz", "r 0 0 24 14 #1EB53A; p 24 0 24 14 0 14 #00A3DD; l -1 15 25 -1 5.4 #FCD116; l -1 15 25 -1 3.6 K"},
    {"ua", "h #0057B7 #FFD700"},
    {"ug", "h K #FCDC04 #D90000 K #FCDC04 #D90000; c 12 7 2.8 W; e 12 7 1 1.6 #6B6B6B; c 12.6 5.6 0.5 #D90000"},
    {"uk", "uj 0 0 24 14"},
    {"us",
     "h #B22234 W #B22234 W #B22234 W #B22234 W #B22234 W #B22234 W #B22234; r 0 0 10 7.5 #3C3B6E; "
     "c 1.5 1.3 0.45 W; c 4 1.3 0.45 W; c 6.5 1.3 0.45 W; c 9 1.3 0.45 W; c 2.7 2.6 0.45 W; c 5.2 2.6 0.45 W; c 7.7 "
     "2.6 0.45 W; "
     "c 1.5 3.8 0.45 W; c 4 3.8 0.45 W; c 6.5 3.8 0.45 W; c 9 3.8 0.45 W; c 2.7 5.1 0.45 W; c 5.2 5.1 0.45 W; c 7.7 "
     "5.1 0.45 W; "
     "c 1.5 6.3 0.45 W; c 4 6.3 0.45 W; c 6.5 6.3 0.45 W; c 9 6.3 0.45 W"},
    {"uy",
     "h W #0038A8 W #0038A8 W #0038A8 W #0038A8 W; r 0 0 9 7.8 W; sr 4.5 3.9 2.5 16 0.5 #FCD116; c 4.5 3.9 1.7 "
     "#FCD116"},
    {"uz",
     "hw 5 #0099B5 0.3 #CE1126 4.4 W 0.3 #CE1126 5 #1EB53A; cr 3.4 2.6 1.6 W 0.7 1.3; s 6.4 1.4 0.45 W; s 7.8 1.4 0.45 "
     "W; s 9.2 1.4 0.45 W; s 6.4 3 0.45 W; s 7.8 3 0.45 W; s 9.2 3 0.45 W"},
    {"va",
     "v #FFE000 W; l 14.4 9.6 17.6 4.4 0.8 #C8A200; l 14.4 4.4 17.6 9.6 0.8 #A0A0A0; p 14.4 3 16 1.6 17.6 3 #C8A200"},
    {"vc",
     "vw 1 #002674 2 #FCD022 1 #009E60; p 9.6 4 10.8 6 9.6 8 8.4 6 #009E60; p 14.4 4 15.6 6 14.4 8 13.2 6 #009E60; p "
     "12 7.2 13.2 9.2 12 11.2 10.8 9.2 #009E60"},
    {"ve",
     "h #FFCC00 #00247D #CF142B; s 8.2 7.4 0.55 W; s 9.4 6.2 0.55 W; s 10.8 5.4 0.55 W; s 12.4 5.2 0.55 W; s 13.8 5.6 "
     "0.55 W; s 15 6.4 0.55 W; s 16 7.6 0.55 W"},
    {"vg", "ens #012169; e 18 7.6 2.6 3.2 #00843D; r 17.4 5 1.2 4.4 W; c 18 4.6 0.7 #F1C0A0"},
    {"vi",
     "r 0 0 24 14 W; e 12 6.4 4.8 2.4 #FFD100; p 10.4 5.4 13.6 5.4 13.6 8.6 12 10 10.4 8.6 #0A3D91; r 10.4 6.8 3.2 2 "
     "#C8102E; r 2.6 4.6 1 4 #0A3D91; r 20.4 4.6 1 4 #0A3D91"},
    {"vn", "r 0 0 24 14 #DA251D; s 12 7.4 3.8 #FFFF00"},
    {"vu",
     "hw 1 #D21034 1 #009543; p 0 0 13 7 0 14 #FDCE12; p 0 1.6 11 7 0 12.4 K; r 0 6.2 24 1.6 #FDCE12; r 0 6.6 24 0.8 "
     "K; ring 3.8 7 1.7 0.6 #FDCE12"},
    {"ws",
     "r 0 0 24 14 #CE1126; r 0 0 12 7 #002B7F; s 6 1.5 0.9 W; s 8.6 3.2 0.9 W; s 6.4 5.6 1 W; s 3.6 3.6 0.9 W; s 7.4 4 "
     "0.4 W"},
    {"ye", "h #CE1126 W K"},
    {"yu", "h #003893 W #DE0000; s 12 7 3.4 #FCD116; s 12 7 2.8 #DE0000"},
    {"za",
     "r 0 0 24 14 W; p 0 0 24 0 24 4.6 11 4.6 #E03C31; p 0 14 24 14 24 9.4 11 9.4 #001489; p 0 0 10.6 5.6 24 5.6 24 "
     "8.4 10.6 8.4 0 14 0 11.6 8.4 7 0 2.4 #007749; p 0 2.4 8.4 7 0 11.6 #FFB81C; p 0 3.9 6 7 0 10.1 K"},
    {"zm",
     "r 0 0 24 14 #198A00; r 15.4 5.4 2.8 8.6 #DE2010; r 18.2 5.4 2.8 8.6 K; r 21 5.4 3 8.6 #EF7D00; e 19.2 2.8 3 1 "
     "#EF7D00; c 19.2 3.6 0.8 #EF7D00"},
    {"zw",
     "h #006400 #FFD200 #D40000 K #D40000 #FFD200 #006400; p 0 0 10.4 7 0 14 K; p 0 0.6 9.4 7 0 13.4 W; s 3 7 1.9 "
     "#D40000; e 3.4 7 0.9 1.3 #FFD200"},
};

static_assert(sizeof(kFlags) / sizeof(kFlags[0]) == 230, "one flag per entry of the flag-code index");

const std::map<std::string, std::uint32_t>& Named() {
    static const std::map<std::string, std::uint32_t> names = {
        {"W", 0xFFFFFF}, {"K", 0x000000}, {"R", 0xCE1126}, {"B", 0x0032A0},
        {"N", 0x012169}, {"Y", 0xFCD116}, {"G", 0x009A44},
    };
    return names;
}

Color ParseColour(const std::string& token) {
    if (!token.empty() && token[0] == '#')
        return Rgb(static_cast<std::uint32_t>(std::stoul(token.substr(1), nullptr, 16)));
    const auto it = Named().find(token);
    if (it == Named().end()) throw std::runtime_error("flag drawing: unknown colour " + token);
    return Rgb(it->second);
}

Mask Cover(const Path& p) { return Rasterize(p, kFlagW, kFlagH); }

// The Union Flag in the rectangle (x, y, w, h): blue field, white and red saltires, white and red cross.
void UnionFlag(Canvas& c, float x, float y, float w, float h) {
    const Mask area = Cover(Path().Rect(x, y, w, h));
    c.Fill(area, Rgb(0x012169));
    const float diag = h * 0.2f;
    const Path saltire =
        Stroke(Path().MoveTo(x, y).LineTo(x + w, y + h).MoveTo(x + w, y).LineTo(x, y + h), diag, Cap::kButt);
    c.Fill(Intersect(area, Cover(saltire)), Rgb(0xFFFFFF));
    const Path red =
        Stroke(Path().MoveTo(x, y).LineTo(x + w, y + h).MoveTo(x + w, y).LineTo(x, y + h), diag * 0.45f, Cap::kButt);
    c.Fill(Intersect(area, Cover(red)), Rgb(0xC8102E));
    const float cross = h / 3;
    c.Fill(Cover(Path().Rect(x, y + (h - cross) / 2, w, cross).Rect(x + (w - cross) / 2, y, cross, h)), Rgb(0xFFFFFF));
    const float inner = h / 5;
    c.Fill(Cover(Path().Rect(x, y + (h - inner) / 2, w, inner).Rect(x + (w - inner) / 2, y, inner, h)), Rgb(0xC8102E));
}

void Stripes(Canvas& c, const std::vector<std::pair<float, Color>>& bands, bool horizontal) {
    float total = 0;
    for (const auto& b : bands) total += b.first;
    float at = 0;
    for (const auto& b : bands) {
        const float start = at / total, end = (at + b.first) / total;
        if (horizontal)
            c.Fill(Cover(Path().Rect(-1, start * kFlagH, kFlagW + 2, (end - start) * kFlagH)), b.second);
        else
            c.Fill(Cover(Path().Rect(start * kFlagW, -1, (end - start) * kFlagW, kFlagH + 2)), b.second);
        at += b.first;
    }
}

void Run(Canvas& c, const std::string& command) {
    std::istringstream in(command);
    std::vector<std::string> t;
    for (std::string tok; in >> tok;) t.push_back(tok);
    if (t.empty()) return;
    const std::string& op = t[0];
    auto f = [&](std::size_t i) { return std::stof(t.at(i)); };
    auto col = [&](std::size_t i) { return ParseColour(t.at(i)); };
    if (op == "h" || op == "v") {
        std::vector<std::pair<float, Color>> bands;
        for (std::size_t i = 1; i < t.size(); ++i) bands.push_back({1.0f, col(i)});
        Stripes(c, bands, op == "h");
    } else if (op == "hw" || op == "vw") {
        std::vector<std::pair<float, Color>> bands;
        for (std::size_t i = 1; i + 1 < t.size(); i += 2) bands.push_back({f(i), col(i + 1)});
        Stripes(c, bands, op == "hw");
    } else if (op == "r") {
        c.Fill(Cover(Path().Rect(f(1), f(2), f(3), f(4))), col(5));
    } else if (op == "c") {
        c.Fill(Cover(Path().Circle(f(1), f(2), f(3))), col(4));
    } else if (op == "e") {
        const float turn = t.size() > 6 ? f(6) : 0;
        c.Fill(Cover(Path().Ellipse(f(1), f(2), f(3), f(4)).Transformed(Affine::Rotate(turn, f(1), f(2)))), col(5));
    } else if (op == "ring") {
        c.Fill(Cover(Stroke(Path().MoveTo(f(1) + f(3), f(2)).Arc(f(1), f(2), f(3), f(3), 0, 360), f(4))), col(5));
    } else if (op == "pie") {
        Path p;
        p.MoveTo(f(1), f(2)).Arc(f(1), f(2), f(3), f(3), f(4), f(5)).Close();
        c.Fill(Cover(p), col(6));
    } else if (op == "s") {
        const float turn = t.size() > 5 ? f(5) : 0;
        c.Fill(Cover(Path().Star(f(1), f(2), f(3), f(3) * 0.4f, 5, turn)), col(4));
    } else if (op == "sr") {
        const int n = std::stoi(t.at(4));
        for (int i = 0; i < n; ++i) {
            const Point at = Affine::Rotate(360.0f * static_cast<float>(i) / static_cast<float>(n), f(1), f(2))
                                 .Apply({f(1), f(2) - f(3)});
            c.Fill(Cover(Path().Star(at.x, at.y, f(5), f(5) * 0.4f, 5)), col(6));
        }
    } else if (op == "cr") {
        const float turn = t.size() > 7 ? f(7) : 0;
        const Path inner = Path().Circle(f(1) + f(5), f(2), f(6)).Transformed(Affine::Rotate(turn, f(1), f(2)));
        c.Fill(Subtract(Cover(Path().Circle(f(1), f(2), f(3))), Cover(inner)), col(4));
    } else if (op == "l") {
        c.Fill(Cover(Stroke(Path().MoveTo(f(1), f(2)).LineTo(f(3), f(4)), f(5), Cap::kButt)), col(6));
    } else if (op == "p" || op == "ps") {
        const std::size_t first = op == "p" ? 1 : 2;
        std::vector<Point> pts;
        for (std::size_t i = first; i + 2 < t.size(); i += 2) pts.push_back({f(i), f(i + 1)});
        Path poly;
        poly.Polygon(pts);
        c.Fill(Cover(op == "p" ? poly : Stroke(poly, f(1))), col(t.size() - 1));
    } else if (op == "nc") {
        const float x = f(2), w = f(3);
        c.Fill(Cover(Path().Rect(x - w / 2, -1, w, kFlagH + 2).Rect(-1, 7 - w / 2, kFlagW + 2, w)), col(1));
    } else if (op == "+") {
        const float w = f(2);
        c.Fill(Cover(Path().Rect(12 - w / 2, -1, w, kFlagH + 2).Rect(-1, 7 - w / 2, kFlagW + 2, w)), col(1));
    } else if (op == "x") {
        c.Fill(Cover(Stroke(Path().MoveTo(-1, -1).LineTo(25, 15).MoveTo(25, -1).LineTo(-1, 15), f(2), Cap::kButt)),
               col(1));
    } else if (op == "uj") {
        UnionFlag(c, f(1), f(2), f(3), f(4));
    } else if (op == "ens") {
        c.Fill(Cover(Path().Rect(0, 0, kFlagW, kFlagH)), col(1));
        UnionFlag(c, 0, 0, 12, 7);
    } else {
        throw std::runtime_error("flag drawing: unknown command " + op);
    }
}

Canvas DrawFlag(const char* drawing) {
    Canvas c(kFlagW, kFlagH);
    std::string all = drawing;
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t end = all.find(';', start);
        Run(c, all.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return c;
}

// ---- Palette: a median cut over every flag pixel, so the 8-bit strip keeps the smooth edges. ----

struct Rgb8 {
    std::uint8_t r, g, b;
    bool operator<(const Rgb8& o) const { return std::tie(r, g, b) < std::tie(o.r, o.g, o.b); }
    bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::vector<Rgb8> MedianCut(std::vector<Rgb8> pixels, std::size_t colours) {
    std::sort(pixels.begin(), pixels.end());
    struct Box {
        std::size_t begin, end;
    };
    std::vector<Box> boxes{{0, pixels.size()}};
    auto channel = [](const Rgb8& p, int ch) { return ch == 0 ? p.r : (ch == 1 ? p.g : p.b); };
    auto spread = [&](const Box& box, int ch) {
        int lo = 255, hi = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            lo = std::min<int>(lo, channel(pixels[i], ch));
            hi = std::max<int>(hi, channel(pixels[i], ch));
        }
        return hi - lo;
    };
    while (boxes.size() < colours) {
        // Split the box with the widest spread that can still be split.
        int best = -1, bestSpread = 0, bestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            for (int ch = 0; ch < 3; ++ch) {
                const int s =
                    spread(boxes[i], ch) * static_cast<int>(std::min<std::size_t>(boxes[i].end - boxes[i].begin, 64));
                if (s > bestSpread) {
                    bestSpread = s;
                    best = static_cast<int>(i);
                    bestChannel = ch;
                }
            }
        }
        if (best < 0) break;
        Box box = boxes[static_cast<std::size_t>(best)];
        std::stable_sort(pixels.begin() + static_cast<std::ptrdiff_t>(box.begin),
                         pixels.begin() + static_cast<std::ptrdiff_t>(box.end), [&](const Rgb8& a, const Rgb8& b) {
                             return channel(a, bestChannel) < channel(b, bestChannel);
                         });
        const std::size_t mid = box.begin + (box.end - box.begin) / 2;
        boxes[static_cast<std::size_t>(best)] = {box.begin, mid};
        boxes.push_back({mid, box.end});
    }
    std::vector<Rgb8> palette;
    for (const Box& box : boxes) {
        // The most frequent colour of the box, so the flags' own colours stay exact.
        std::map<Rgb8, std::size_t> counts;
        for (std::size_t i = box.begin; i < box.end; ++i) ++counts[pixels[i]];
        Rgb8 pick = pixels[box.begin];
        std::size_t most = 0;
        for (const auto& [colour, n] : counts)
            if (n > most) most = n, pick = colour;
        palette.push_back(pick);
    }
    return palette;
}

std::uint8_t Nearest(const std::vector<Rgb8>& palette, const Rgb8& p) {
    int best = 0, bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - p.r, dg = palette[i].g - p.g, db = palette[i].b - p.b;
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

void AddFlags(std::vector<Artwork>& out) {
    constexpr int kCount = static_cast<int>(sizeof(kFlags) / sizeof(kFlags[0]));
    const int width = kCount * kFrameW;
    std::vector<Rgb8> strip(static_cast<std::size_t>(width) * kFrameH, Rgb8{0, 0, 0});
    std::vector<std::uint8_t> seeThrough(static_cast<std::size_t>(width + kFrameW) * kFrameH, 1);
    for (int i = 0; i < kCount; ++i) {
        const Canvas flag = DrawFlag(kFlags[i].drawing);
        for (int y = 0; y < kFlagH; ++y)
            for (int x = 0; x < kFlagW; ++x) {
                const Canvas::Pixel& p = flag.At(x, y);
                if (p.a < 0.5f) continue;
                // A darker rim keeps light flags apart from a light menu.
                const bool rim = x == 0 || y == 0 || x == kFlagW - 1 || y == kFlagH - 1;
                const float k = (rim ? 0.78f : 1.0f) / p.a;
                auto byte = [&](float v) {
                    return static_cast<std::uint8_t>(std::lround(std::min(1.0f, v * k) * 255));
                };
                const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(i * kFrameW + x);
                strip[at] = {byte(p.r), byte(p.g), byte(p.b)};
                seeThrough[static_cast<std::size_t>(y) * static_cast<std::size_t>(width + kFrameW) +
                           static_cast<std::size_t>(i * kFrameW + x)] = 0;
            }
    }
    const std::vector<Rgb8> palette = MedianCut(strip, 256);
    Artwork flags;
    flags.name = "BITMAP_FLAGS";
    flags.width = width;
    flags.height = kFrameH;
    flags.bits = 8;
    for (const Rgb8& c : palette)
        flags.palette.push_back(static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b);
    while (flags.palette.size() < 256) flags.palette.push_back(0);
    std::map<Rgb8, std::uint8_t> memo;
    for (const Rgb8& p : strip) {
        auto it = memo.find(p);
        if (it == memo.end()) it = memo.emplace(p, Nearest(palette, p)).first;
        flags.indices.push_back(it->second);
    }
    out.push_back(std::move(flags));

    Artwork mask;
    mask.name = "BITMAP_FLAGSMASK";
    mask.width = width + kFrameW;
    mask.height = kFrameH;
    mask.bits = 1;
    mask.palette = {0x000000, 0xFFFFFF};
    mask.indices = std::move(seeThrough);
    out.push_back(std::move(mask));
}

}  // namespace velpiners::artgen
