// The program's web page, named in website.txt in the program's folder.
#pragma once

#include <QString>

// What the web-site entry opens: the first non-empty line of website.txt in the program's
// folder, an address with a scheme ("https://...") as it stands, a path resolved against the
// program's folder. `problem` says why there is no address (`target` is then empty).
struct WebAddress {
    QString target;
    QString problem;
};
WebAddress webSiteAddress();
