#pragma once

struct TLink;

// Starts a tool link: a web link opens its address in the web browser, a document opens with
// the desktop's program for it, a program starts with the link's parameters. Failures are
// not reported.
void RunLink(const TLink& link);
