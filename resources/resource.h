// Resource identifiers shared by the resource script and the code that loads the resources.
#pragma once

// Icon groups. The lowest one is the program file's icon in Explorer.
#define IDI_DORVIK 1
#define IDI_DORVIKSET 2
#define IDI_KAPAN 3
