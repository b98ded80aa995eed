#pragma once

// How ZEB's windows read to screen readers on the desktop's accessibility bus, where Qt's own reading
// falls short: the program's windows are frames, as a desktop expects of its windows (Qt makes them
// fillers); a drop-down list reads as its name, its choice being the selected line of its list (Qt reads
// the choice as the name); a button reads its name once (Qt also gives its tooltip, the same words, as
// its description). To be called once the application exists.
void installAccessibleReadings();
