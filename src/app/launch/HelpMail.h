#pragma once

#include <QString>

struct ProductProfile;

// The address that starts a support message in the user's mail program: the support address, a subject
// naming the product and version, and a body the user goes on from. Every blank is written "%20"; no other
// character is escaped.
QString helpMailAddress(const ProductProfile& profile);
