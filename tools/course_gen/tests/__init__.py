"""Tests of the course generator and its checks, on a generated course."""
