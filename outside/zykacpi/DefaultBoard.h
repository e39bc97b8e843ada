/*
 * The classic board compiled into the driver, served when the service key
 * names no board file, with the files it names beside itself (its PCI
 * snapshot). Generated at build time by EmbedBoard.cmake.
 */
#ifndef ZYKACPI_DEFAULTBOARD_H
#define ZYKACPI_DEFAULTBOARD_H

typedef struct DefaultBoardFile {
    const char* name; /* as the board file names it */
    const char* text;
    unsigned long length;
} DefaultBoardFile;

extern const char g_defaultBoardText[];
extern const unsigned long g_defaultBoardLength;
extern const DefaultBoardFile g_defaultBoardFiles[];
extern const unsigned long g_defaultBoardFileCount;

#endif /* ZYKACPI_DEFAULTBOARD_H */
