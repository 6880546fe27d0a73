#pragma once

// Card records are read and written by the platform's JSON decoder and writer; these names stay
// for code written against the card's own reader.
#include "platform/JSONDecoder.h"
#include "platform/JSONWriter.h"

namespace zt {

using CreditCardDecodingError = JSONDecodingError;
using CreditCardJSONReader = JSONReader;
using CreditCardJSONDocument = JSONDocument;
using CreditCardJSONWriter = JSONWriter;

} // namespace zt
