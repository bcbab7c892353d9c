// The GSM 7-bit default alphabet with its extension table: conversion tables, septet counting
// and splitting a text into the parts of a message.
#pragma once
#include "platform/Platform.h"

// A text of at most GSM_SINGLE_PART_SEPTETS septets goes as one message; a longer one goes in
// linked parts of at most GSM_LINKED_PART_SEPTETS septets each. A part's standard six-octet
// concatenation header (05 00 03, reference, total, part number) and its fill bit take seven
// septets; the part keeps one more septet spare, as the compose window cuts its parts.
const int GSM_SINGLE_PART_SEPTETS = 160;
const int GSM_LINKED_PART_SEPTETS = 152;

// The escape septet that announces a character of the extension table.
const int GSM_ESCAPE = 0x1B;

// Value of GsmCodeOfChar for a character the alphabet lacks.
const WORD GSM_NO_CODE = 0xFFFF;

// Default-alphabet code of a character as the encoder writes it: the character is taken as a
// byte of code page 1252 (characters outside it become "?"); the result is a code below 0x80
// (one septet), 0x1Bxx (the escape and extension code xx, two septets) or GSM_NO_CODE.
WORD GsmCodeOfChar(wchar_t ch);

// Same lookup for a byte of code page 1252.
WORD GsmCodeOfCp1252(BYTE b);

// Unicode character of a code page 1252 byte (the five unassigned bytes keep their own value).
wchar_t Cp1252ToUnicode(BYTE b);

// Default-alphabet code to the character shown when a message is received; the Greek
// capitals give "?".
extern const wchar_t g_GsmDecodeTable[128];

// Character of a default-alphabet code (0..127) when received.
inline wchar_t GsmDecodeChar(int nCode) { return g_GsmDecodeTable[nCode & 0x7F]; }

// Character of an extension code (after the escape), or 0 when the extension table lacks it.
wchar_t GsmDecodeExtensionChar(int nCode);

// Septets the encoder writes for a text: one per character, two for an extension-table
// character; a character the alphabet lacks costs what the replacement character costs.
int GsmCountSeptets(const CString& strText, wchar_t chReplacement = L'_');

// Cuts a text into consecutive parts of at most nMaxSeptets septets each, never between the
// two septets of an escape pair nor between the halves of a surrogate pair. An empty text gives
// no part. (A single character that alone exceeds the limit still gets a part of its own.)
void GsmSplitText(const CString& strText, int nMaxSeptets, CStringArray& arrParts, wchar_t chReplacement = L'_');

// The parts a message is sent in: the whole text as one part when it needs at most
// GSM_SINGLE_PART_SEPTETS septets (an empty text too), else parts of at most
// GSM_LINKED_PART_SEPTETS septets. Returns the number of parts.
int GsmSplitForSending(const CString& strText, CStringArray& arrParts, wchar_t chReplacement = L'_');
