#pragma once

// The Favorites menu tree and its command ids.
class CFavoritesTree {
public:
};
