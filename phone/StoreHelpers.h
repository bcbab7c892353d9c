// Small helpers of the phone link and the message store: the program's folder and its side files,
// numbers, and texts of the string table.
#pragma once
#include "platform/Platform.h"

// Files beside the program.
inline constexpr wchar_t CORVANE_DATA_FILE_NAME[] = L"CorvaneSms.dat";
inline constexpr wchar_t CORVANE_LOG_FILE_NAME[] = L"logCorvaneSms.txt";
inline constexpr wchar_t CORVANE_MYTEXT_FILE_NAME[] = L"MyText.dat";
inline constexpr wchar_t CORVANE_QUICKREPLY_FILE_NAME[] = L"QuickReply.txt";

// The program's folder with its trailing backslash.
CString GetAppFolder();
// The number with only "+" (wherever it stands) and the digits 0-9 kept, in order.
CString FilterPhoneNumber(CString strNumber);
inline constexpr int kMaxShortNumberDigits = 7;
// Whether two numbers name the same telephone. Blanks, dashes and brackets do not count; "+62",
// "62" and a leading "0" are the same country, so the national and international forms of one
// number match. A short number (at most kMaxShortNumberDigits digits, without "+" or a leading
// "0": an operator's or a bank's) matches only the same digits; "00" before a country code is the
// international form. A number without digits matches none; a text with letters (an alphanumeric
// sender) matches only the same text.
bool SamePhoneNumber(const CString& strA, const CString& strB);
// TRUE when the text is not empty and holds only the digits 0-9.
BOOL IsAllDigits(const CString& strText);
// The last two decimal digits of the value, with a leading "0" (records keep their date and time so).
CString TwoDigitField(int nValue);
// Whether the text starts with four digits (a phone number rather than a name).
bool StartsWithFourDigits(const CString& strText);

// A text of the program's string table (empty when there is none).
CString LoadResourceText(UINT nID);
// The same text with "##" replaced by the value.
CString FormatResourceText(UINT nID, const CString& strValue);
