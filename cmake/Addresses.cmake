# vennaros_addresses(HOME): from the project's home page (empty: none), sets in the caller
#   VENNAROS_BUGS_URL          where faults are reported, HOME/issues
#   VENNAROS_METAINFO_URLS     the AppStream <url> elements, each on a line of its own
#   VENNAROS_MANUAL_ADDRESSES  the manual page's REPORTING BUGS section
# all empty without a home. tests/data/addresses.sh configures the files with and without one.
function(vennaros_addresses home)
    set(bugs "")
    set(metainfo "")
    set(manual "")
    if(home)
        set(bugs "${home}/issues")
        set(xml_home "${home}")
        set(xml_bugs "${bugs}")
        foreach(var xml_home xml_bugs)
            string(REPLACE "&" "&amp;" ${var} "${${var}}")
            string(REPLACE "<" "&lt;" ${var} "${${var}}")
            string(REPLACE ">" "&gt;" ${var} "${${var}}")
        endforeach()
        set(metainfo "\n  <url type=\"homepage\">${xml_home}</url>\n  <url type=\"bugtracker\">${xml_bugs}</url>")
        # roff takes a leading dot or quote as a request and a backslash as an escape.
        string(REPLACE "\\" "\\e" man_home "${home}")
        string(REPLACE "\\" "\\e" man_bugs "${bugs}")
        set(manual ".SH REPORTING BUGS\nReport faults at\n.IR \"${man_bugs}\" ;\nthe project's home is\n.IR \"${man_home}\" .\n")
    endif()
    set(VENNAROS_BUGS_URL "${bugs}" PARENT_SCOPE)
    set(VENNAROS_METAINFO_URLS "${metainfo}" PARENT_SCOPE)
    set(VENNAROS_MANUAL_ADDRESSES "${manual}" PARENT_SCOPE)
endfunction()
