"""Builds TALVO's shipped catalogs (FULL.TLV and the auxiliary catalogs) from open data.

See tools/make_catalogs.py for the command line and for what each kind of object carries.
"""
