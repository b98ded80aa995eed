#pragma once

// Qt's own texts (the Yes and No of message boxes, the buttons of input boxes) in Italian.
void installItalianTranslation();
