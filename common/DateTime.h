#pragma once
// Dates and times as the suite stores them. No system calls.

// A date and time as days since 30 December 1899, the time of day as the fraction.
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond);
